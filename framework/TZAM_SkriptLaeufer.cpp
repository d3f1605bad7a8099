#include "TZAM_SkriptLaeufer.h"

#include "TZAM_SkriptFenster.h"
#include "TZAM_SkriptKlick.h"
#include "ZAMGlobal.h"

#include <QApplication>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
QPointer<TZAM_SkriptLaeufer> GInstanz;

void Fehlerausgabe(const QString& AText)
{
    const QByteArray b = (AText + u'\n').toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    std::fflush(stderr);
}
} // namespace

TZAM_SkriptLaeufer::TZAM_SkriptLaeufer(QObject* AParent)
    : QObject(AParent), FLeerlauf(new TZAM_SkriptLeerlauf(this))
{
    GInstanz = this;
    FEndeFrist.setSingleShot(true);
    FEndeFrist.setInterval(10000);
    connect(FLeerlauf, &TZAM_SkriptLeerlauf::Bereit, this, &TZAM_SkriptLaeufer::NaechsteZeile);
    TZAM_SkriptFenster::Beobachten();
}

TZAM_SkriptLaeufer::~TZAM_SkriptLaeufer() = default;

TZAM_SkriptLaeufer* TZAM_SkriptLaeufer::Instanz()
{
    return GInstanz;
}

bool TZAM_SkriptLaeufer::AusArgumentenStarten(const QStringList& AArgumente)
{
    const QString option = QStringLiteral("--script");
    QString datei;
    bool gefunden = false;
    for (qsizetype i = 1; i < AArgumente.size() && !gefunden; ++i) {
        if (AArgumente[i] == option) {
            gefunden = true;
            datei = i + 1 < AArgumente.size() ? AArgumente[i + 1] : QString();
        } else if (AArgumente[i].startsWith(option + u'=')) {
            gefunden = true;
            datei = AArgumente[i].mid(option.size() + 1);
        }
    }
    if (!gefunden)
        return true;
    if (datei.isEmpty()) {
        Fehlerausgabe(QStringLiteral("--script ohne Datei"));
        return false;
    }
    auto* laeufer = new TZAM_SkriptLaeufer(QCoreApplication::instance());
    QString fehler;
    if (!laeufer->DateiLaden(datei, &fehler)) {
        delete laeufer;
        Fehlerausgabe(fehler);
        return false;
    }
    laeufer->Starten();
    return true;
}

bool TZAM_SkriptLaeufer::DateiLaden(const QString& ADatei, QString* AFehler)
{
    QFile f(ADatei);
    if (!f.open(QIODevice::ReadOnly)) {
        if (AFehler)
            *AFehler = QStringLiteral("Skriptdatei nicht lesbar: %1 (%2)").arg(ADatei, f.errorString());
        return false;
    }
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    ZeilenSetzen(text.split(u'\n'));
    return true;
}

void TZAM_SkriptLaeufer::ZeilenSetzen(const QStringList& AZeilen)
{
    FZeilen.clear();
    for (qsizetype i = 0; i < AZeilen.size(); ++i)
        FZeilen.append(TZAM_SkriptZeile::Lesen(AZeilen[i], int(i + 1)));
    FNaechste = 0;
}

void TZAM_SkriptLaeufer::Starten()
{
    if (FGestartet)
        return;
    FGestartet = true;
    FLeerlauf->Abwarten(0);
}

bool TZAM_SkriptLaeufer::Frei() const
{
    if (FLaufend.isEmpty())
        return true;
    const QWidget* modal = QApplication::activeModalWidget();
    return QThread::currentThread()->loopLevel() > FLaufend.last().Ebene && modal &&
           modal != FLaufend.last().Modal;
}

// Only from the idle watcher: at the top of an idle event loop.
void TZAM_SkriptLaeufer::NaechsteZeile()
{
    if (FExitCode >= 0 || FEndeErwartet)
        return;
    if (!Frei()) {
        FLeerlauf->Abwarten(FPause);
        return;
    }
    if (!FErsteZeileLief) {
        // The first window may still be on its way (start-up message, log-on dialog).
        if (!TZAM_SkriptFenster::AktivesFenster()) {
            FLeerlauf->Abwarten(qMax(FPause, 10));
            return;
        }
        FErsteZeileLief = true;
        const TZAM_SkriptZeile* ende = nullptr;
        for (const TZAM_SkriptZeile& z : FZeilen) {
            if (z.Art() == TZAM_SkriptZeile::szFehler) {
                Scheitern(z.Fehler());
                return;
            }
            if (ende && z.Art() != TZAM_SkriptZeile::szLeer) {
                Scheitern(QStringLiteral("Zeile nach ende (Zeile %1, ende in Zeile %2)")
                              .arg(z.Nummer())
                              .arg(ende->Nummer()));
                return;
            }
            if (z.Art() == TZAM_SkriptZeile::szEnde)
                ende = &z;
        }
    }
    FNaechste = NaechsteNichtLeere();
    if (FNaechste >= FZeilen.size()) {
        Ende(CSkriptExit_Ok);
        return;
    }
    const TZAM_SkriptZeile zeile = FZeilen[FNaechste++];
    if (zeile.Art() == TZAM_SkriptZeile::szEnde) {
        EndeAbwarten(zeile);
        return;
    }
    TZAM_SkriptFenster::Aktivieren();
    // Awaited first: a line that opens a modal form returns only when the form closes.
    FLeerlauf->Vergessen();
    FLeerlauf->Abwarten(zeile.Art() == TZAM_SkriptZeile::szWarten ? zeile.Millisekunden() + FPause : FPause);
    FLaufend.append({QThread::currentThread()->loopLevel(), QApplication::activeModalWidget()});
    const QString fehler = Ausfuehren(zeile);
    FLaufend.removeLast();
    if (!fehler.isEmpty())
        Scheitern(fehler);
}

qsizetype TZAM_SkriptLaeufer::NaechsteNichtLeere() const
{
    qsizetype i = FNaechste;
    while (i < FZeilen.size() && FZeilen[i].Art() == TZAM_SkriptZeile::szLeer)
        ++i;
    return i;
}

// No line follows: the program must end by itself (idle termination, or the end a line before
// asked for) within the deadline.
void TZAM_SkriptLaeufer::EndeAbwarten(const TZAM_SkriptZeile& AZeile)
{
    FEndeErwartet = true;
    FLeerlauf->Stoppen();
    const int nummer = AZeile.Nummer();
    connect(&FEndeFrist, &QTimer::timeout, this, [this, nummer] {
        Scheitern(QStringLiteral("ende fehlgeschlagen: das Programm läuft nach %1 ms noch (Zeile %2)")
                      .arg(FEndeFrist.interval())
                      .arg(nummer));
    });
    FEndeFrist.start();
}

int TZAM_SkriptLaeufer::Abschluss(int AProgrammCode)
{
    if (FExitCode >= 0 || !FGestartet)
        return FExitCode >= 0 ? FExitCode : AProgrammCode;
    FEndeFrist.stop();
    FLeerlauf->Stoppen();
    const qsizetype offen = NaechsteNichtLeere();
    if (FEndeErwartet || offen >= FZeilen.size() || FZeilen[offen].Art() == TZAM_SkriptZeile::szEnde) {
        FExitCode = AProgrammCode;
        return FExitCode;
    }
    Schreiben({QStringLiteral("Skript endete vor Zeile %1").arg(FZeilen[offen].Nummer())});
    FExitCode = CSkriptExit_Vorzeitig;
    return FExitCode;
}

QString TZAM_SkriptLaeufer::Ausfuehren(const TZAM_SkriptZeile& AZeile)
{
    const QString stelle = QStringLiteral(" (Zeile %1)").arg(AZeile.Nummer());
    // Each key looks for its target again: a key may move the focus or open a window.
    auto senden = [&](const TZAM_SkriptTaste& ATaste) {
        QWidget* ziel = TZAM_SkriptFenster::Tastenziel();
        if (!ziel)
            return false;
        ATaste.Senden(ziel);
        return true;
    };
    auto tippen = [&](const QString& AText) {
        for (char32_t c : AText.toUcs4())
            if (!senden(TZAM_SkriptTaste::AusZeichen(c)))
                return false;
        return true;
    };
    const QString keinFenster = QStringLiteral("kein Fenster für Tasten") + stelle;

    switch (AZeile.Art()) {
    case TZAM_SkriptZeile::szTaste:
        return senden(AZeile.Taste()) ? QString() : QStringLiteral("key fehlgeschlagen: ") + keinFenster;
    case TZAM_SkriptZeile::szTippen:
        return tippen(AZeile.Argument()) ? QString() : QStringLiteral("type fehlgeschlagen: ") + keinFenster;
    case TZAM_SkriptZeile::szScan: {
        // An empty prefix: a scanner that sends none.
        const bool ok = (FScanPraefix.isEmpty() || senden(TZAM_SkriptTaste::AusKombination(FScanPraefix[0]))) &&
                        tippen(AZeile.Argument()) &&
                        senden(TZAM_SkriptTaste::AusKombination(QKeyCombination(FScanEnde)));
        return ok ? QString() : QStringLiteral("scan fehlgeschlagen: ") + keinFenster;
    }
    case TZAM_SkriptZeile::szKlick: {
        const QString fehler = TZAM_SkriptKlick::Klicken(TZAM_SkriptFenster::AktivesFenster(), AZeile.Argument());
        return fehler.isEmpty() ? fehler : fehler + stelle;
    }
    case TZAM_SkriptZeile::szDump:
        Schreiben(TZAM_BildschirmText::Zeilen());
        return {};
    case TZAM_SkriptZeile::szErwarten:
        // The shown texts only: an object name is not on screen.
        if (TZAM_BildschirmText::Text(nullptr, false).contains(AZeile.Argument()))
            return {};
        return QStringLiteral("expect fehlgeschlagen: ") + AZeile.Argument() + stelle;
    case TZAM_SkriptZeile::szFehler:
        return AZeile.Fehler();
    case TZAM_SkriptZeile::szEnde:
    case TZAM_SkriptZeile::szWarten:
    case TZAM_SkriptZeile::szLeer:
        break;
    }
    return {};
}

void TZAM_SkriptLaeufer::Scheitern(const QString& AGrund)
{
    QStringList zeilen{AGrund};
    zeilen += TZAM_BildschirmText::Zeilen();
    Schreiben(zeilen);
    Ende(CSkriptExit_Fehler);
}

void TZAM_SkriptLaeufer::Ende(int AExitCode)
{
    if (FExitCode >= 0)
        return;
    FExitCode = AExitCode;
    FLeerlauf->Stoppen();
    FEndeFrist.stop();
    if (FBeenden) {
        FBeenden(AExitCode);
    } else if (IZAM_Programm* programm = ZAMDienste().Programm) {
        programm->Beenden(AExitCode);
    } else {
        // Closing the last window would quit with 0 and overwrite the code; every loop ends with it.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        auto beenden = [AExitCode] {
            QCoreApplication::exit(AExitCode);
            QApplication::closeAllWindows();
        };
        beenden();
        // An end inside a start-up dialog: the entry still goes on to QApplication::exec().
        auto* nachhut = new QTimer(QCoreApplication::instance());
        connect(nachhut, &QTimer::timeout, nachhut, beenden);
        nachhut->start(50);
    }
}

void TZAM_SkriptLaeufer::Schreiben(const QStringList& AZeilen)
{
    const QString text = AZeilen.join(u'\n') + u'\n';
    if (FAusgabe) {
        FAusgabe(text);
        return;
    }
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fflush(stdout);
}
