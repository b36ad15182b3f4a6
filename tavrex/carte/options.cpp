#include "options.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <QFile>
#include <QFileInfo>

#include "preparation.h"
#include "types.h"

namespace {

// The arguments after an option, taken one by one.
class Arguments
{
public:
    Arguments(int argc, char** argv, int& i, const std::string& option, const std::string* enLigne = nullptr)
        : argc(argc), argv(argv), i(i), option(option), enLigne(enLigne) {}

    bool prend(std::string& v, std::string& erreur)
    {
        // "--option=value": the value first.
        if (enLigne) {
            v = *enLigne;
            enLigne = nullptr;
            return true;
        }
        if (i + 1 >= argc) {
            erreur = option + " needs a value";
            return false;
        }
        v = argv[++i];
        return true;
    }
    // The next argument, when there is one.
    bool prendSiPresent(std::string& v)
    {
        if (i + 1 >= argc)
            return false;
        v = argv[++i];
        return true;
    }
    const std::string& nom() const { return option; }

private:
    int argc;
    char** argv;
    int& i;
    const std::string& option;
    const std::string* enLigne;
};

// The option's one value, read by `lit`; otherwise "OPTION: ATTENDU: VALUE".
template <class Lecteur>
bool valeur(Arguments& a, std::string& erreur, const char* attendu, Lecteur lit)
{
    std::string v;
    if (!a.prend(v, erreur))
        return false;
    if (lit(v))
        return true;
    erreur = a.nom() + ": " + attendu + ": " + v;
    return false;
}

bool lireEntier(const std::string& texte, uint64_t& valeur)
{
    if (texte.empty() || texte[0] == '-')
        return false;
    char* fin = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(texte.c_str(), &fin, 0);
    if (errno != 0 || *fin != '\0')
        return false;
    valeur = v;
    return true;
}

// A whole number from `min` to `max`, written as an integer or a real with no fraction.
bool lireEntierEntre(const std::string& texte, int min, int max, int& n)
{
    double d = 0.0;
    if (!lireReel(texte, d) || d < min || d > max || d != static_cast<int>(d))
        return false;
    n = static_cast<int>(d);
    return true;
}

bool lirePose(const std::string& texte, OptionsLancement& o)
{
    const size_t a = texte.find(',');
    const size_t b = a == std::string::npos ? a : texte.find(',', a + 1);
    if (b == std::string::npos)
        return false;
    double x, y, deg;
    if (!lireReel(texte.substr(0, a), x) || !lireReel(texte.substr(a + 1, b - a - 1), y) ||
        !lireReel(texte.substr(b + 1), deg))
        return false;
    o.pose = true;
    o.poseX = x;
    o.poseY = y;
    o.poseDeg = deg;
    return true;
}

bool lireDuree(Arguments& a, OptionsLancement& o, std::string& erreur)
{
    std::string v;
    if (!a.prend(v, erreur))
        return false;
    uint64_t ticks;
    if (a.nom() == "--cycles") {
        uint64_t n;
        if (!lireEntier(v, n) || n > UINT64_MAX / 8) {
            erreur = "--cycles: not a cycle count: " + v;
            return false;
        }
        ticks = n * ticksParCycle;
    } else if (!lireInstant(v, ticks)) {
        erreur = "--ms: not a duration in milliseconds: " + v;
        return false;
    }
    if (o.dureeDonnee) {
        erreur = "give one of --cycles and --ms";
        return false;
    }
    o.ticks = ticks;
    o.dureeDonnee = true;
    return true;
}

bool estMotAction(const std::string& mot)
{
    return mot == "press" || mot == "release" || mot == "pot";
}

// "--at T ACTION": the action as one argument ("press BP1") or as two.
bool lireAt(Arguments& a, OptionsLancement& o, std::string& erreur)
{
    std::string instant, texte, argument;
    if (!a.prend(instant, erreur))
        return false;
    Action action;
    if (!lireInstant(instant, action.ticks)) {
        erreur = "--at: bad time '" + instant + "' (milliseconds)";
        return false;
    }
    if (!a.prend(texte, erreur))
        return false;
    if (estMotAction(texte) && a.prendSiPresent(argument))
        texte += " " + argument;
    std::string raison;
    if (!lireAction(texte, action, raison)) {
        erreur = "--at " + instant + ": " + raison;
        return false;
    }
    o.actions.push_back(action);
    return true;
}

// One option: its name, what follows it, its help line, which programs take it, and
// how it is read.
struct DescOption
{
    const char* nom;
    const char* arguments;
    const char* aide;
    bool runner;
    bool fenetre;
    bool (*lire)(Arguments&, OptionsLancement&, std::string& erreur);
};

// A flag sets one member; an option with a file name stores it in one.
#define DRAPEAU(membre) [](Arguments&, OptionsLancement& o, std::string&) { o.membre = true; return true; }
#define CHEMIN(membre) [](Arguments& a, OptionsLancement& o, std::string& e) { return a.prend(o.membre, e); }

const DescOption tableOptions[] = {
    {"--cycles", "N", "run N instruction cycles (4N oscillator ticks)", true, false, lireDuree},
    {"--ms", "T", "run T ms of chip time (or, with --check, at least T ms)", true, false, lireDuree},
    {"--at", "T ACTION", "do ACTION at T ms of chip time (repeatable)", true, true, lireAt},
    {"--script", "FILE", "the same from a file: one \"T ACTION\" a line, # starts a comment; or a scenario", true,
     true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         std::string chemin;
         EnteteScenario entete;
         if (!a.prend(chemin, e) || !lireScenario(chemin, entete, o.actions, e))
             return false;
         if (entete.present && o.scenario.present) {
             e = "--script: one scenario at a time: " + chemin;
             return false;
         }
         if (entete.present)
             o.scenario = entete;
         return true;
     }},
    {"--force", "", "replay a scenario even with a program whose SHA-256 is not the one recorded", true, true,
     DRAPEAU(force)},
    {"--piste", "FILE.pis", "load the track; the desktop program places the robot on its start", true, true,
     CHEMIN(piste)},
    {"--robot", "FILE.rbo", "load the robot: contacts, sensors, motors, mechanics", true, true, CHEMIN(robot)},
    {"--pose", "X,Y,DEG", "place the robot (mm, mm, heading in degrees)", true, false,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         return valeur(a, e, "expected X,Y,DEG (mm, mm, degrees)",
                       [&o](const std::string& v) { return lirePose(v, o); });
     }},
    {"--seed", "N", "seed of the random source (TTL levels between thresholds, A/D noise)", true, true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         return valeur(a, e, "not a number",
                       [&o](const std::string& v) { return o.graineDonnee = lireEntier(v, o.graine); });
     }},
    {"--lcd", "", "at the end, print the LCD's two lines", true, false, DRAPEAU(lcd)},
    {"--led", "", "at the end, print the current through the LED on RA6", true, false, DRAPEAU(led)},
    {"--dump", "", "at the end, print pc, w, status, bsr, the tick count and the data memory", true, false,
     DRAPEAU(dump)},
    {"--vcd", "FILE", "write a Value Change Dump of the pins", true, false, CHEMIN(vcd)},
    {"--trace", "N", "print the first N instructions executed", true, false,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         return valeur(a, e, "not a count",
                       [&o](const std::string& v) { return lireEntier(v, o.trace); });
     }},
    {"--trajectory", "FILE.csv", "write the robot's pose every simulated millisecond", true, false,
     CHEMIN(trajectoire)},
    {"--save-state", "FILE", "at the end, write the whole state as a snapshot (JSON text)", true, false,
     CHEMIN(etatSauve)},
    {"--load-state", "FILE",
     "start from a snapshot (its program, robot and track unless given); --ms, --cycles and --at count from it",
     true, false, CHEMIN(etatCharge)},
    {"--diff-state", "A B", "print what differs between two snapshots (exit 0 when nothing, 1 otherwise)", true,
     false,
     [](Arguments& a, OptionsLancement& o, std::string& e) { return a.prend(o.diffA, e) && a.prend(o.diffB, e); }},
    {"--bench", "", "print the speed, in cycles per second and against real time", true, false, DRAPEAU(bench)},
    {"--warnings", "=MODE", "what the program uses that the board does not model, said: once (per kind and run, "
     "the default), all, none", true, true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         return valeur(a, e, "not one of none, once, all", [&o](const std::string& v) {
             using M = Diagnostics::Mode;
             o.avertissements = v == "none" ? M::Aucun : v == "all" ? M::Tous : M::UneFois;
             return v == "none" || v == "once" || v == "all";
         });
     }},
    {"--silicon", "", "silicon mode: interrupts, writes to PCL, TOSU/TOSH/TOSL and STKPTR as on the chip", true, true,
     DRAPEAU(silicium)},
    {"--strict", "", "exit with status 3 after the run when a warning was said", true, false, DRAPEAU(strict)},
    {"--check", "FILE.chk", "grade the programs against a check file", true, false, CHEMIN(check)},
    {"--junit", "FILE.xml", "with --check: write a JUnit report", true, false, CHEMIN(junit)},
    {"--tap", "", "with --check: report in TAP", true, false, DRAPEAU(tap)},
    {"--break", "ADDR|LABEL[:N]", "stop before that instruction, at its Nth arrival (repeatable)", true, true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         o.points.emplace_back();
         return a.prend(o.points.back(), e);
     }},
    {"--break-if", "'REG OP VALUE'", "stop where it becomes true, as 'PORTB & 0x08 == 0' (repeatable)", true, true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         o.conditions.emplace_back();
         return a.prend(o.conditions.back(), e);
     }},
    {"--symbols", "FILE", "the program's symbols: a listing, .map or .cod file (default: the one beside it)",
     true, true, CHEMIN(symboles)},
    {"--power-on", "", "switch the board on once the window is shown", false, true, DRAPEAU(powerOn)},
    {"--complete", "", "start in the complete mode (robot and track windows shown)", false, true,
     DRAPEAU(complet)},
    {"--scopes", "", "open the oscilloscopes as their menu entry does", false, true, DRAPEAU(oscillos)},
    {"--timebase", "D", "turn the scopes' time-base dial to D, 0 to 99 (29: 57 us a sweep, 57: 0.7 ms)", false,
     true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         return valeur(a, e, "not a dial position from 0 to 99",
                       [&o](const std::string& v) { return lireEntierEntre(v, 0, 99, o.baseTemps); });
     }},
    {"--speed", "F", "slowing factor, 0.1 to 50 (1 = real time)", false, true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         return valeur(a, e, "not a slowing factor from 0.1 to 50",
                       [&o](const std::string& v) {
                           return lireReel(v, o.vitesse) && o.vitesse >= 0.1 && o.vitesse <= 50.0;
                       });
     }},
    {"--robot-tab", "N", "open the robot window on its tab N (1 jack ... 3 sensors ... 6 mechanics)", false, true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         return valeur(a, e, "not a tab from 1 to 6",
                       [&o](const std::string& v) { return lireEntierEntre(v, 1, 6, o.ongletRobot); });
     }},
    {"--quit-after", "T", "quit after T ms of chip time (of wall-clock time while the board is off)", false, true,
     [](Arguments& a, OptionsLancement& o, std::string& e) {
         return valeur(a, e, "not a duration in milliseconds",
                       [&o](const std::string& v) { return o.quitter = lireInstant(v, o.quitterApres); });
     }},
    {"--screenshot", "FILE.png", "with --quit-after: save the main window as a PNG first", false, true,
     CHEMIN(capture)},
    {"--record", "FILE", "on quitting, write what was done to the board as a scenario", false, true,
     CHEMIN(enregistrement)},
    {"--debugger", "", "open the debugger window at start", false, true, DRAPEAU(debogueur)},
};

#undef DRAPEAU
#undef CHEMIN

bool prendOption(Programme p, const DescOption& d)
{
    return p == Programme::Runner ? d.runner : d.fenetre;
}

// What the options say together, once all are read.
bool verifieEnsemble(Programme p, OptionsLancement& o, std::string& erreur)
{
    if (p == Programme::Fenetre) {
        if (o.programmes.size() > 1) {
            erreur = "more than one program given: " + o.programmes[1];
            return false;
        }
        if (!o.capture.empty() && !o.quitter) {
            erreur = "--screenshot needs --quit-after";
            return false;
        }
        return true;
    }
    if (!o.diffA.empty())
        return true;   // nothing runs
    if (!o.etatCharge.empty() && (o.scenario.present || !o.check.empty())) {
        erreur = std::string("--load-state cannot be combined with ") + (o.scenario.present ? "a scenario" : "--check");
        return false;
    }
    if (!o.etatSauve.empty() && !o.check.empty()) {
        erreur = "--save-state cannot be combined with --check";
        return false;
    }
    if (o.programmes.empty() && !o.scenario.present && o.etatCharge.empty()) {
        erreur = "no program given (--help for the options)";
        return false;
    }
    if (o.check.empty()) {
        if (o.programmes.size() > 1) {
            erreur = "more than one program given: " + o.programmes[1] + " (several only with --check)";
            return false;
        }
        if (!o.junit.empty() || o.tap) {
            erreur = std::string(!o.junit.empty() ? "--junit" : "--tap") + " goes with --check";
            return false;
        }
        if (!o.symboles.empty() && o.points.empty() && o.conditions.empty()) {
            erreur = "--symbols goes with --check, --break or --break-if";
            return false;
        }
        return true;
    }
    // The check file holds the actions; the expectations say what to report.
    const char* autre = !o.actions.empty() ? "--at and --script" : !o.vcd.empty() ? "--vcd" : o.trace ? "--trace"
                      : o.dump ? "--dump" : o.lcd ? "--lcd" : o.led ? "--led"
                      : !o.trajectoire.empty() ? "--trajectory" : !o.points.empty() ? "--break"
                      : !o.conditions.empty() ? "--break-if" : nullptr;
    if (autre) {
        erreur = std::string(autre) + " cannot be combined with --check";
        return false;
    }
    return true;
}

// The files to be read, checked before anything runs: one line naming the file and
// what is wrong with it.
bool verifieFichiers(const OptionsLancement& o, std::string& erreur)
{
    for (const std::string& programme : o.programmes)
        if (!(erreur = defautFichierLu(programme)).empty())
            return false;
    if (!o.piste.empty() && !(erreur = defautDocumentXml(o.piste, "piste")).empty())
        return false;
    if (!o.robot.empty() && !(erreur = defautDocumentXml(o.robot, "rombo")).empty())
        return false;
    for (const std::string* lu : {&o.etatCharge, &o.diffA, &o.diffB})
        if (!lu->empty() && !(erreur = defautFichierLu(*lu)).empty())
            return false;
    for (const std::string* ecrit : {&o.enregistrement, &o.etatSauve}) {
        if (ecrit->empty())
            continue;
        const QFileInfo dossier(QFileInfo(QFile::decodeName(ecrit->c_str())).absolutePath());
        if (!dossier.isDir()) {
            erreur = *ecrit + ": its folder does not exist";
            return false;
        }
    }
    return true;
}

// A scenario takes the files given in place of its own, and gives its seed and its
// length where none is given; the files every action loads are then checked.
bool adapteActions(Programme p, OptionsLancement& o, std::string& erreur)
{
    if (o.scenario.present) {
        substitueFichiers(o.actions, {o.programmes.empty() ? std::string() : o.programmes[0], o.robot, o.piste});
        if (!o.graineDonnee && o.scenario.graineDonnee)
            o.graine = o.scenario.graine;
        if (p == Programme::Runner && !o.dureeDonnee && o.scenario.finDonnee)
            o.ticks = o.scenario.fin;
    }
    erreur = defautFichiersActions(o.actions, o.force);
    return erreur.empty();
}

}  // namespace

bool lireOptions(Programme programme, int argc, char** argv, OptionsLancement& o, std::string& erreur)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            o.aide = true;
            return true;
        }
        if (arg.empty() || arg[0] != '-') {
            o.programmes.push_back(arg);
            continue;
        }
        // "--option=value" for an option that takes one value.
        const size_t egal = arg.find('=');
        const std::string nom = arg.substr(0, egal);
        const std::string valeurEnLigne = egal == std::string::npos ? std::string() : arg.substr(egal + 1);
        const DescOption* desc = nullptr;
        for (const DescOption& d : tableOptions)
            if (nom == d.nom && prendOption(programme, d) &&
                (egal == std::string::npos || (*d.arguments && !std::strchr(d.arguments, ' '))))
                desc = &d;
        if (!desc) {
            erreur = "unknown option " + arg + " (--help for the options)";
            return false;
        }
        Arguments arguments(argc, argv, i, nom, egal == std::string::npos ? nullptr : &valeurEnLigne);
        if (!desc->lire(arguments, o, erreur))
            return false;
    }
    if (!verifieEnsemble(programme, o, erreur) || !verifieFichiers(o, erreur) || !adapteActions(programme, o, erreur))
        return false;
    ordonneActions(o.actions);
    return true;
}

DonneesCarte OptionsLancement::carte(const std::string& programme) const
{
    DonneesCarte d;
    d.programme = programme;
    d.piste = piste;
    d.robot = robot;
    d.pose = pose;
    d.poseX = poseX;
    d.poseY = poseY;
    d.poseDeg = poseDeg;
    d.graine = graine;
    d.avertissements = avertissements;
    d.silicium = silicium;
    return d;
}

std::string usage(Programme programme)
{
    std::string texte;
    if (programme == Programme::Runner)
        texte = "usage: tavrex-cli [options] PROGRAM.hex\n"
                "       tavrex-cli --check FILE.chk [options] PROGRAM.hex...\n"
                "       tavrex-cli --load-state FILE [options] [PROGRAM.hex]\n"
                "       tavrex-cli --diff-state A B\n";
    else
        texte = "usage: tavrex [options] [PROGRAM.hex]\n"
                "  PROGRAM.hex           loaded as the board window's open button does\n";
    for (const DescOption& d : tableOptions) {
        if (!prendOption(programme, d))
            continue;
        // "--option=VALUE" when the table writes it so.
        std::string tete = std::string("  ") + d.nom + (*d.arguments && *d.arguments != '=' ? " " : "") + d.arguments;
        tete.resize(std::max<size_t>(tete.size() + 1, 24), ' ');
        texte += tete + d.aide + "\n";
    }
    texte += "actions: press BPn, release BPn (n = 1 to 3), pot V (0 to 5 volts), reset-press, reset-release,\n"
             "         power-off, power-on, jack-in, jack-out, fdc-press, fdc-release, pose X Y DEG,\n"
             "         program FILE [SHA256], robot FILE, track FILE (names with spaces between double quotes);\n"
             "         the robot and track edited: robot-set OBJECT [SENSOR] TAG VALUE (a value of the robot file),\n"
             "         sensor-add N, sensor-delete N, sensor-test N line|carpet, track-insert N TYPE,\n"
             "         track-delete N, track-replace N TYPE, track-set N TAG VALUE;\n"
             "         silicon on|off (the silicon mode, taken at once before the chip runs, else at its next reset)";
    return texte;
}
