#ifndef TAVREX_TESTS_LANCEUR_H
#define TAVREX_TESTS_LANCEUR_H

// Runs one of the build's programs as a user would from a shell, but without one: the
// arguments go as they are, whatever quotes or spaces they hold.

#include <string>
#include <vector>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

struct Sortie
{
    int code = -1;   // -1: the program did not end normally
    std::string texte;
    std::string erreurs;
};

inline Sortie lance(const std::string& programme, const std::vector<std::string>& arguments,
                    const std::string& dossier = {})
{
    QProcess p;
    QStringList args;
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    if (!dossier.empty())
        p.setWorkingDirectory(QString::fromStdString(dossier));
    // The desktop program on Qt's headless platform.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QString::fromStdString(programme), args);
    Sortie s;
    if (!p.waitForFinished(600000))
        p.kill();
    if (p.exitStatus() == QProcess::NormalExit && p.error() != QProcess::FailedToStart)
        s.code = p.exitCode();
    s.texte = p.readAllStandardOutput().toStdString();
    s.erreurs = p.readAllStandardError().toStdString();
    return s;
}

inline Sortie lanceCli(const std::vector<std::string>& arguments, const std::string& dossier = {})
{
    return lance(TAVREX_CLI, arguments, dossier);
}

#endif
