#include "TZAM_SkriptTaste.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>

// Exported by QtGui for QtTest: ShortcutOverride to the target, then the shortcut map (QShortcut,
// actions, button mnemonics). True when a shortcut took the key.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace {
const QHash<QString, Qt::Key>& Namen()
{
    static const QHash<QString, Qt::Key> n{
        {QStringLiteral("esc"), Qt::Key_Escape},        {QStringLiteral("escape"), Qt::Key_Escape},
        {QStringLiteral("enter"), Qt::Key_Return},      {QStringLiteral("return"), Qt::Key_Return},
        {QStringLiteral("tab"), Qt::Key_Tab},           {QStringLiteral("backspace"), Qt::Key_Backspace},
        {QStringLiteral("delete"), Qt::Key_Delete},     {QStringLiteral("del"), Qt::Key_Delete},
        {QStringLiteral("entf"), Qt::Key_Delete},       {QStringLiteral("insert"), Qt::Key_Insert},
        {QStringLiteral("ins"), Qt::Key_Insert},        {QStringLiteral("up"), Qt::Key_Up},
        {QStringLiteral("down"), Qt::Key_Down},         {QStringLiteral("left"), Qt::Key_Left},
        {QStringLiteral("right"), Qt::Key_Right},       {QStringLiteral("pageup"), Qt::Key_PageUp},
        {QStringLiteral("pagedown"), Qt::Key_PageDown}, {QStringLiteral("home"), Qt::Key_Home},
        {QStringLiteral("end"), Qt::Key_End},           {QStringLiteral("space"), Qt::Key_Space},
    };
    return n;
}

Qt::Key TasteAusName(const QString& AName)
{
    const QString klein = AName.toLower();
    if (auto it = Namen().constFind(klein); it != Namen().constEnd())
        return *it;
    if (klein.size() >= 2 && klein.startsWith(u'f')) {
        bool ok = false;
        const int n = klein.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 24)
            return Qt::Key(Qt::Key_F1 + n - 1);
    }
    const QList<uint> zeichen = AName.toUcs4();
    if (zeichen.size() == 1 && QChar::isPrint(zeichen[0]))
        return Qt::Key(QChar::toUpper(zeichen[0]));
    const QKeySequence folge(AName, QKeySequence::PortableText);
    if (folge.count() == 1 && folge[0].keyboardModifiers() == Qt::NoModifier)
        return folge[0].key();
    return Qt::Key_unknown;
}

bool Modifikator(const QString& AName, Qt::KeyboardModifiers& AModifikatoren)
{
    const QString n = AName.toLower();
    if (n == QLatin1String("ctrl") || n == QLatin1String("strg") || n == QLatin1String("control"))
        AModifikatoren |= Qt::ControlModifier;
    else if (n == QLatin1String("alt"))
        AModifikatoren |= Qt::AltModifier;
    else if (n == QLatin1String("shift") || n == QLatin1String("umschalt"))
        AModifikatoren |= Qt::ShiftModifier;
    else if (n == QLatin1String("meta"))
        AModifikatoren |= Qt::MetaModifier;
    else
        return false;
    return true;
}

// What a keyboard sends as text; nothing while Ctrl, Alt or Meta is held.
QString StandardText(Qt::Key ATaste, Qt::KeyboardModifiers AModifikatoren)
{
    if (AModifikatoren & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    switch (ATaste) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Delete:
        return QStringLiteral("\x7f");
    default:
        break;
    }
    if (ATaste < Qt::Key_Space || ATaste >= Qt::Key_Escape)
        return {};
    const char32_t c = char32_t(ATaste);
    const char32_t z = (AModifikatoren & Qt::ShiftModifier) ? QChar::toUpper(c) : QChar::toLower(c);
    return QString::fromUcs4(&z, 1);
}

ulong Zeitstempel()
{
    static QElapsedTimer uhr;
    if (!uhr.isValid())
        uhr.start();
    return ulong(uhr.elapsed());
}
} // namespace

TZAM_SkriptTaste::TZAM_SkriptTaste(Qt::Key ATaste, Qt::KeyboardModifiers AModifikatoren, const QString& AText)
    : FGueltig(true), FTaste(ATaste), FModifikatoren(AModifikatoren), FText(AText)
{
}

TZAM_SkriptTaste TZAM_SkriptTaste::AusName(const QString& AName)
{
    const QString name = AName.trimmed();
    if (name.isEmpty())
        return {};
    // "Ctrl++" and "+" name the plus key itself.
    QString tastenteil;
    QString modifikatoren;
    if (name == QLatin1String("+")) {
        tastenteil = name;
    } else if (name.endsWith(QLatin1String("++"))) {
        tastenteil = QStringLiteral("+");
        modifikatoren = name.chopped(2);
    } else {
        const qsizetype plus = name.lastIndexOf(u'+');
        tastenteil = name.mid(plus + 1);
        modifikatoren = plus > 0 ? name.left(plus) : QString();
    }
    Qt::KeyboardModifiers mods;
    if (!modifikatoren.isEmpty()) {
        for (const QString& m : modifikatoren.split(u'+'))
            if (!Modifikator(m.trimmed(), mods))
                return {};
    }
    const Qt::Key taste = TasteAusName(tastenteil.trimmed());
    if (taste == Qt::Key_unknown)
        return {};
    return AusKombination(QKeyCombination(mods, taste));
}

TZAM_SkriptTaste TZAM_SkriptTaste::AusZeichen(char32_t AZeichen)
{
    const QString text = QString::fromUcs4(&AZeichen, 1);
    switch (AZeichen) {
    case U'\r':
    case U'\n':
        return {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
    case U'\t':
        return {Qt::Key_Tab, Qt::NoModifier, text};
    default:
        break;
    }
    const bool gross = QChar::toLower(AZeichen) != AZeichen;
    return {Qt::Key(QChar::toUpper(AZeichen)), gross ? Qt::ShiftModifier : Qt::NoModifier, text};
}

TZAM_SkriptTaste TZAM_SkriptTaste::AusKombination(QKeyCombination AKombination)
{
    Qt::Key taste = AKombination.key();
    const Qt::KeyboardModifiers mods = AKombination.keyboardModifiers();
    // The platforms deliver Shift+Tab as Backtab.
    if (taste == Qt::Key_Tab && (mods & Qt::ShiftModifier))
        taste = Qt::Key_Backtab;
    return {taste, mods, StandardText(taste, mods)};
}

void TZAM_SkriptTaste::Senden(QWidget* AZiel) const
{
    if (!AZiel || !FGueltig)
        return;
    QPointer<QWidget> ziel(AZiel);
    const ulong zeit = Zeitstempel();
    // An override that hid its target (Enter in an open choice list chooses and closes it) took the
    // key: the press would choose a second time.
    if (!qt_sendShortcutOverrideEvent(AZiel, zeit, FTaste, FModifikatoren, FText) && ziel && ziel->isVisible()) {
        QKeyEvent druck(QEvent::KeyPress, FTaste, FModifikatoren, FText);
        druck.setTimestamp(zeit);
        QCoreApplication::sendEvent(AZiel, &druck);
    }
    if (ziel) {
        QKeyEvent los(QEvent::KeyRelease, FTaste, FModifikatoren, FText);
        los.setTimestamp(zeit);
        QCoreApplication::sendEvent(ziel, &los);
    }
    // The shortcut map records the modifiers as held; let them go again, or later clicks count as Ctrl+click.
    if (FModifikatoren != Qt::NoModifier) {
        QObject niemand;
        qt_sendShortcutOverrideEvent(&niemand, zeit, Qt::Key_Shift, Qt::NoModifier);
    }
}
