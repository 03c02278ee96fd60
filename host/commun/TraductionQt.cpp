#include "TraductionQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace hote {

namespace {

// The texts of Qt's command-line parser that Qt's French catalogue lacks (their English
// changed after it was translated), so that the help speaks French throughout.
class OptionsStandard : public QTranslator {
  public:
    QString translate(const char* contexte, const char* texte, const char*, int) const override {
        if (qstrcmp(contexte, "QCommandLineParser") != 0) {
            return {};
        }
        if (qstrcmp(texte, "Displays help on commandline options.") == 0) {
            return QStringLiteral("Affiche cette aide.");
        }
        if (qstrcmp(texte, "Displays help including Qt specific options.") == 0) {
            return QStringLiteral("Affiche cette aide avec les options propres à Qt.");
        }
        if (qstrcmp(texte, "Displays version information.") == 0) {
            return QStringLiteral("Affiche les informations de version.");
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void Installer_Traduction_Qt() {
    static QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&traduction);
    }
    // Installed last, so searched first: the options' texts read alike.
    static OptionsStandard options;
    QCoreApplication::installTranslator(&options);
}

}  // namespace hote
