#pragma once

#include <QProcess>
#include <QStringList>

namespace essai {

// What a run of the demo host's program left: its exit status, the lines of its standard
// output and its error output.
struct Execution {
    int code;
    QStringList sortie;
    QString erreurs;
};

inline Execution Lancer_Demo(const QStringList& arguments) {
    QProcess demo;
    demo.start(QStringLiteral(ARDOINE_DEMO), arguments);
    demo.waitForFinished(60000);
    return {demo.exitCode(),
            QString::fromUtf8(demo.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(demo.readAllStandardError()).trimmed()};
}

}  // namespace essai
