#pragma once

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QProcess>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

// The tools run as a shell runs them: their streams and exit status.
namespace essai {

struct Execution {
    int code;
    QString sortie;
    QString erreurs;
};

using Variables = std::vector<std::pair<QString, QString>>;

// The test's environment, on the offscreen platform, with the given variables.
inline void Preparer(QProcess& programme, const Variables& variables = {}) {
    auto environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const auto& [nom, valeur] : variables) {
        environnement.insert(nom, valeur);
    }
    programme.setProcessEnvironment(environnement);
}

inline Execution Fin(QProcess& programme) {
    EXPECT_TRUE(programme.waitForFinished(120000)) << programme.program().toStdString();
    return {programme.exitCode(), QString::fromUtf8(programme.readAllStandardOutput()),
            QString::fromUtf8(programme.readAllStandardError())};
}

// `avantLancement` runs in the child just before the program starts.
inline Execution Executer(const QString& chemin, const QStringList& arguments,
                          const QByteArray& entree = {}, const Variables& variables = {},
                          const std::function<void()>& avantLancement = {}) {
    QProcess programme;
    Preparer(programme, variables);
    if (avantLancement) {
        programme.setChildProcessModifier(avantLancement);
    }
    programme.start(chemin, arguments);
    EXPECT_TRUE(programme.waitForStarted());
    programme.write(entree);
    programme.closeWriteChannel();
    return Fin(programme);
}

inline Execution Db(const QStringList& arguments, const QByteArray& entree = {},
                    const Variables& variables = {},
                    const std::function<void()>& avantLancement = {}) {
    return Executer(QStringLiteral(ARDOINE_DB_PROGRAMME), arguments, entree, variables,
                    avantLancement);
}

// For the child: a file-size limit of that many bytes (ulimit -f). The tool must see to SIGXFSZ
// itself, so that a write past the limit fails with EFBIG instead of killing it.
inline std::function<void()> LimiteDeTailleA(rlim_t octets) {
    return [octets] {
        const rlimit taille{octets, octets};
        ::setrlimit(RLIMIT_FSIZE, &taille);
    };
}

inline Execution Demo(const QStringList& arguments) {
    return Executer(QStringLiteral(ARDOINE_DEMO), arguments);
}

// How many times the tools' warning about a password on the command line was given.
inline qsizetype Avertissements(const QString& erreurs) {
    return erreurs.count(
        QStringLiteral("Attention : un mot de passe est donné sur la ligne de "
                       "commande"));
}

}  // namespace essai
