// The reports: the lines on stdout (plain or TAP, and the bench figures) and the
// JUnit file.

#include <algorithm>
#include <cstdio>

#include <QString>
#include <QXmlStreamWriter>

#include "checkinterne.h"
#include "types.h"

void RapportTexte::programme(const Programme& p)
{
    // Printed once the first program has run: an error in its files (the same for
    // all) comes before any output.
    if (tap && numero == 0)
        std::printf("TAP version 13\n1..%zu\n", total);
    for (const Resultat& r : p.resultats) {
        ++numero;
        reussis += r.reussi ? 1 : 0;
        if (tap)
            std::printf("%s %zu - %s: %s\n", r.reussi ? "ok" : "not ok", numero, p.chemin.c_str(), r.message.c_str());
        else
            std::printf("%s %s: %s\n", r.reussi ? "pass" : "FAIL", p.chemin.c_str(), r.message.c_str());
    }
    // The warnings after the results, as TAP comments there: never a failure.
    for (const std::string& a : p.avertissements)
        std::printf("%swarning %s: %s\n", tap ? "# " : "", p.chemin.c_str(), a.c_str());
    std::fflush(stdout);
}

void RapportTexte::banc(double cycles, double secondes, double cpu) const
{
    const double parSeconde = secondes > 0 ? cycles / secondes : 0.0;
    const char* diese = tap ? "# " : "";
    std::printf("%scycles %.0f\n", diese, cycles);
    std::printf("%sseconds %.3f (cpu %.3f)\n", diese, secondes, cpu);
    std::printf("%scycles/s %.3g\n", diese, parSeconde);
    std::printf("%sreal time x%.2f\n", diese, parSeconde / (ticksParSeconde / ticksParCycle));
}

void RapportTexte::bilan() const
{
    std::printf("%s%zu passed, %zu failed\n", tap ? "# " : "", reussis, total - reussis);
}

namespace {

std::string classeJUnit(const std::string& chemin)
{
    // Report readers split class names at dots.
    std::string c = chemin;
    std::replace(c.begin(), c.end(), '.', '_');
    return c;
}

}  // namespace

void ecrisJUnit(QXmlStreamWriter& x, const std::string& fichier, const std::vector<Programme>& programmes)
{
    int total = 0, echecs = 0;
    double secondes = 0.0;
    for (const Programme& p : programmes) {
        secondes += p.secondes;
        for (const Resultat& r : p.resultats) {
            ++total;
            echecs += r.reussi ? 0 : 1;
        }
    }
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("testsuites"));
    x.writeAttribute(QStringLiteral("name"), QString::fromStdString(fichier));
    x.writeAttribute(QStringLiteral("tests"), QString::number(total));
    x.writeAttribute(QStringLiteral("failures"), QString::number(echecs));
    x.writeAttribute(QStringLiteral("errors"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("time"), QString::number(secondes, 'f', 3));
    for (const Programme& p : programmes) {
        const int n = static_cast<int>(p.resultats.size());
        const int f = static_cast<int>(std::count_if(p.resultats.begin(), p.resultats.end(),
                                                     [](const Resultat& r) { return !r.reussi; }));
        x.writeStartElement(QStringLiteral("testsuite"));
        x.writeAttribute(QStringLiteral("name"), QString::fromStdString(p.chemin));
        x.writeAttribute(QStringLiteral("tests"), QString::number(n));
        x.writeAttribute(QStringLiteral("failures"), QString::number(f));
        x.writeAttribute(QStringLiteral("errors"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("skipped"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("time"), QString::number(p.secondes, 'f', 3));
        for (const Resultat& r : p.resultats) {
            x.writeStartElement(QStringLiteral("testcase"));
            x.writeAttribute(QStringLiteral("classname"), QString::fromStdString(classeJUnit(p.chemin)));
            x.writeAttribute(QStringLiteral("name"), QString::fromStdString(r.nom));
            x.writeAttribute(QStringLiteral("time"), QString::number(p.secondes / n, 'f', 3));
            if (!r.reussi) {
                x.writeStartElement(QStringLiteral("failure"));
                x.writeAttribute(QStringLiteral("message"), QString::fromStdString(r.message));
                x.writeAttribute(QStringLiteral("type"), QStringLiteral("expectation"));
                x.writeCharacters(QString::fromStdString(r.message));
                x.writeEndElement();
            }
            x.writeEndElement();
        }
        if (!p.avertissements.empty()) {
            std::string texte;
            for (const std::string& a : p.avertissements)
                texte += "warning: " + a + "\n";
            x.writeTextElement(QStringLiteral("system-err"), QString::fromStdString(texte));
        }
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndDocument();
}

