#include "TZAM_BildschirmText.h"

#include "TZAM_SkriptFenster.h"
#include "TZAM_SkriptListenText.h"
#include "TZAM_SkriptSichtbar.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>

namespace {
QMap<int, TZAM_BildschirmText::TErweiterung>& Erweiterungen()
{
    static QMap<int, TZAM_BildschirmText::TErweiterung> e;
    return e;
}

struct TElement
{
    const QWidget* Widget;
    QPoint Ort;
};

QString Aus(const QWidget* AWidget)
{
    return AWidget->isEnabled() ? QString() : QStringLiteral(" [aus]");
}

QString Benannt(const char* AArt, const QWidget* AWidget, const QString& AInhalt, bool AMitNamen)
{
    const QString name = AMitNamen ? AWidget->objectName() : QString();
    return QStringLiteral("%1%2: %3%4")
        .arg(QLatin1String(AArt), name.isEmpty() ? QString() : QStringLiteral(" ") + name, AInhalt, Aus(AWidget));
}

// A button without caption is named in the dump only: its name is not on screen.
QString Caption(const QAbstractButton* AKnopf, bool AMitNamen)
{
    const QString c = TZAM_BildschirmText::EineZeile(TZAM_BildschirmText::OhneKuerzel(AKnopf->text()));
    return c.isEmpty() && AMitNamen ? QStringLiteral("(%1)").arg(AKnopf->objectName()) : c;
}

QString FeldText(const QLineEdit* AFeld)
{
    switch (AFeld->echoMode()) {
    case QLineEdit::Password:
    case QLineEdit::PasswordEchoOnEdit:
        return QString(AFeld->text().size(), u'*');
    case QLineEdit::NoEcho:
        return {};
    default:
        return AFeld->text();
    }
}

// Atomic elements are written and not entered; containers are entered.
bool IstAtomar(const QWidget* AWidget)
{
    return qobject_cast<const QLabel*>(AWidget) || qobject_cast<const QAbstractButton*>(AWidget) ||
           qobject_cast<const QLineEdit*>(AWidget) || qobject_cast<const QAbstractSpinBox*>(AWidget) ||
           qobject_cast<const QComboBox*>(AWidget) || qobject_cast<const QAbstractItemView*>(AWidget) ||
           qobject_cast<const QTextEdit*>(AWidget) || qobject_cast<const QPlainTextEdit*>(AWidget) ||
           qobject_cast<const QTabBar*>(AWidget) || qobject_cast<const QProgressBar*>(AWidget);
}

bool HatZeile(const QWidget* AWidget)
{
    if (IstAtomar(AWidget) || qobject_cast<const QTabWidget*>(AWidget))
        return true;
    if (auto* gruppe = qobject_cast<const QGroupBox*>(AWidget))
        return !gruppe->title().isEmpty();
    if (auto* status = qobject_cast<const QStatusBar*>(AWidget))
        return !status->currentMessage().isEmpty();
    return !AWidget->windowTitle().isEmpty();
}

void Sammeln(const QWidget* AWurzel, const QWidget* AWidget, QList<TElement>& AElemente)
{
    for (QObject* o : AWidget->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        // Nothing of it on screen: neither are its children, which it clips.
        if (!w || w->isWindow() || !w->isVisibleTo(AWurzel) || TZAM_SkriptSichtbar::Rechteck(w).isEmpty())
            continue;
        // The tab widget writes its current tab itself.
        if (qobject_cast<QTabBar*>(w) && qobject_cast<const QTabWidget*>(AWidget))
            continue;
        if (HatZeile(w))
            AElemente.append({w, w->mapTo(AWurzel, QPoint(0, 0))});
        if (!IstAtomar(w))
            Sammeln(AWurzel, w, AElemente);
    }
}

void Schreiben(const QWidget* AWidget, QStringList& AZeilen, bool AMitNamen)
{
    if (auto* l = qobject_cast<const QLabel*>(AWidget)) {
        const QString t = TZAM_BildschirmText::LabelText(l);
        if (!t.isEmpty())
            AZeilen.append(QStringLiteral("Label: ") + t);
    } else if (auto* c = qobject_cast<const QCheckBox*>(AWidget)) {
        const char* mark = c->checkState() == Qt::Checked            ? "[x] "
                           : c->checkState() == Qt::PartiallyChecked ? "[-] "
                                                                     : "[ ] ";
        AZeilen.append(QStringLiteral("Haken: ") + QLatin1String(mark) + Caption(c, AMitNamen) + Aus(c));
    } else if (auto* r = qobject_cast<const QRadioButton*>(AWidget)) {
        AZeilen.append(QStringLiteral("Option: ") + (r->isChecked() ? QStringLiteral("(o) ") : QStringLiteral("( ) ")) +
                       Caption(r, AMitNamen) + Aus(r));
    } else if (auto* b = qobject_cast<const QAbstractButton*>(AWidget)) {
        AZeilen.append(QStringLiteral("Knopf: ") + Caption(b, AMitNamen) + TZAM_BildschirmText::Farbe(b) + Aus(b));
    } else if (auto* e = qobject_cast<const QLineEdit*>(AWidget)) {
        AZeilen.append(Benannt("Feld", e, FeldText(e), AMitNamen));
    } else if (auto* s = qobject_cast<const QAbstractSpinBox*>(AWidget)) {
        AZeilen.append(Benannt("Feld", s, s->text(), AMitNamen));
    } else if (auto* k = qobject_cast<const QComboBox*>(AWidget)) {
        AZeilen.append(Benannt("Auswahl", k, TZAM_BildschirmText::EineZeile(k->currentText()), AMitNamen));
        // An open choice list lies over the window: its rows on screen below the combo box.
        if (k->view()->isVisible()) {
            QStringList liste;
            TZAM_SkriptListenText::Zeilen(k->view(), liste, false);
            AZeilen += liste.mid(1);
        }
    } else if (auto* t = qobject_cast<const QTextEdit*>(AWidget)) {
        AZeilen.append(
            Benannt("Text", t, TZAM_BildschirmText::EineZeile(TZAM_SkriptSichtbar::FeldText(t)), AMitNamen));
    } else if (auto* p = qobject_cast<const QPlainTextEdit*>(AWidget)) {
        AZeilen.append(
            Benannt("Text", p, TZAM_BildschirmText::EineZeile(TZAM_SkriptSichtbar::FeldText(p)), AMitNamen));
    } else if (auto* v = qobject_cast<const QAbstractItemView*>(AWidget)) {
        TZAM_SkriptListenText::Zeilen(v, AZeilen, AMitNamen);
    } else if (auto* f = qobject_cast<const QProgressBar*>(AWidget)) {
        AZeilen.append(QStringLiteral("Fortschritt: ") + f->text());
    } else if (auto* tw = qobject_cast<const QTabWidget*>(AWidget)) {
        AZeilen.append(QStringLiteral("Reiter: ") + TZAM_BildschirmText::OhneKuerzel(tw->tabText(tw->currentIndex())));
    } else if (auto* tb = qobject_cast<const QTabBar*>(AWidget)) {
        AZeilen.append(QStringLiteral("Reiter: ") + TZAM_BildschirmText::OhneKuerzel(tb->tabText(tb->currentIndex())));
    } else if (auto* g = qobject_cast<const QGroupBox*>(AWidget)) {
        AZeilen.append(QStringLiteral("Gruppe: ") + TZAM_BildschirmText::OhneKuerzel(g->title()));
    } else if (auto* st = qobject_cast<const QStatusBar*>(AWidget)) {
        AZeilen.append(QStringLiteral("Status: ") + TZAM_BildschirmText::EineZeile(st->currentMessage()));
    } else {
        AZeilen.append(QStringLiteral("Panel: ") + TZAM_BildschirmText::EineZeile(AWidget->windowTitle()));
    }
}
} // namespace

int TZAM_BildschirmText::DumpErweiterungRegistrieren(TErweiterung AErweiterung)
{
    static int naechste = 0;
    Erweiterungen().insert(++naechste, std::move(AErweiterung));
    return naechste;
}

void TZAM_BildschirmText::DumpErweiterungEntfernen(int AId)
{
    Erweiterungen().remove(AId);
}

QStringList TZAM_BildschirmText::Zeilen(QWidget* AFenster, bool AMitNamen)
{
    QWidget* fenster = AFenster ? AFenster : TZAM_SkriptFenster::AktivesFenster();
    if (!fenster)
        return {QStringLiteral("Fenster: keines")};
    QStringList zeilen{FensterZeile(fenster)};
    // A copy: an extension may register another while it runs.
    const auto erweiterungen = Erweiterungen();
    for (const TErweiterung& e : erweiterungen)
        if (e && e(fenster, zeilen, AMitNamen))
            return zeilen;
    ElementZeilen(fenster, zeilen, AMitNamen);
    return zeilen;
}

QString TZAM_BildschirmText::FensterZeile(const QWidget* AFenster)
{
    QString z = QStringLiteral("Fenster: ") + QLatin1String(AFenster->metaObject()->className());
    if (!AFenster->objectName().isEmpty())
        z += u' ' + AFenster->objectName();
    return z + QStringLiteral(" \"%1\"").arg(EineZeile(AFenster->windowTitle()));
}

void TZAM_BildschirmText::ElementZeilen(const QWidget* AWurzel, QStringList& AZeilen, bool AMitNamen)
{
    QList<TElement> elemente;
    Sammeln(AWurzel, AWurzel, elemente);
    std::stable_sort(elemente.begin(), elemente.end(), [](const TElement& A, const TElement& B) {
        return A.Ort.y() != B.Ort.y() ? A.Ort.y() < B.Ort.y() : A.Ort.x() < B.Ort.x();
    });
    for (const TElement& e : elemente)
        Schreiben(e.Widget, AZeilen, AMitNamen);
}

QString TZAM_BildschirmText::Farbe(const QWidget* AWidget)
{
    const QVariant f = AWidget->property("zamFarbe");
    if (!f.isValid())
        return {};
    const int c = f.toInt();
    return QStringLiteral(" [#%1%2%3]")
        .arg(c & 0xff, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xff, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xff, 2, 16, QLatin1Char('0'));
}

QString TZAM_BildschirmText::LabelText(const QLabel* ALabel)
{
    QString t = ALabel->text();
    if (ALabel->textFormat() == Qt::RichText || (ALabel->textFormat() == Qt::AutoText && Qt::mightBeRichText(t)))
        t = QTextDocumentFragment::fromHtml(t).toPlainText();
    else if (ALabel->buddy())
        t = OhneKuerzel(t);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return EineZeile(TZAM_SkriptSichtbar::LabelText(ALabel, t));
}

QString TZAM_BildschirmText::OhneKuerzel(const QString& ACaption)
{
    QString s;
    s.reserve(ACaption.size());
    for (qsizetype i = 0; i < ACaption.size(); ++i) {
        if (ACaption.at(i) == u'&') {
            if (i + 1 < ACaption.size() && ACaption.at(i + 1) == u'&')
                s += ACaption.at(++i);
            continue;
        }
        s += ACaption.at(i);
    }
    return s;
}

QString TZAM_BildschirmText::EineZeile(const QString& AText)
{
    static const QRegularExpression umbruch(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]+"));
    if (!AText.contains(umbruch))
        return AText;
    QStringList teile = AText.split(umbruch, Qt::SkipEmptyParts);
    for (QString& t : teile)
        t = t.trimmed();
    teile.removeAll(QString());
    return teile.join(u' ');
}
