#include "TZAM_Klang.h"

#include <QHash>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>

static void KlangRessourcenLaden() { Q_INIT_RESOURCE(klaenge); }

namespace {

QStringList GGespielt;

QSoundEffect* Effekt(const QString& AName)
{
    static QHash<QString, QSoundEffect*> GEffekte;
    auto it = GEffekte.find(AName);
    if (it != GEffekte.end())
        return it.value();
    KlangRessourcenLaden();
    auto* e = new QSoundEffect(); // lives as long as the program
    e->setSource(QUrl(QStringLiteral("qrc:/klaenge/%1.wav").arg(AName.toLower())));
    e->setVolume(0.8);
    GEffekte.insert(AName, e);
    return e;
}

} // namespace

void TZAM_Klang::Spielen(const QString& AName)
{
    QString name = AName.trimmed().toUpper();
    if (name != QLatin1String("SYSTEMQUESTION") && name != QLatin1String("MAILBEEP"))
        name = QStringLiteral("SYSTEMEXCLAMATION");
    GGespielt << name;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    Effekt(name)->play();
}

QStringList TZAM_Klang::GespielteHolen()
{
    QStringList g;
    g.swap(GGespielt);
    return g;
}
