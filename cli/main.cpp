// tavrex-cli: runs a program on the simulated board, headless, and reports what the
// board did. The board model is driven the way the desktop program drives it: after
// power-on, one processor instruction then one LCD controller step, again and again.

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "actions.h"
#include "aleatoire.h"
#include "check.h"
#include "modele.h"
#include "vcd.h"

namespace {

constexpr double cyclesTempsReel = ticksParSeconde / ticksParCycle;

const char* usage =
    "usage: tavrex-cli [--cycles N | --ms T] [--at T ACTION]... [--script FILE] [--lcd] [--led]\n"
    "                  [--vcd FILE] [--trace N] [--dump] [--bench] [--seed N]\n"
    "                  [--piste FILE.pis] [--robot FILE.rbo] [--pose X,Y,DEG] [--trajectory FILE.csv] PROGRAM.hex\n"
    "       tavrex-cli --check FILE.chk [--junit FILE.xml] [--tap] [--symbols FILE.lst] [--ms T] [--bench]\n"
    "                  [--seed N] [--piste FILE.pis] [--robot FILE.rbo] [--pose X,Y,DEG] PROGRAM.hex...\n"
    "actions: press BPn, release BPn (n = 1 to 3), pot V (0 to 5 volts), reset-press, reset-release,\n"
    "         power-off, power-on, jack-in, jack-out, fdc-press, fdc-release";

[[noreturn]] void erreur(const std::string& message)
{
    std::fprintf(stderr, "tavrex-cli: %s\n", message.c_str());
    std::exit(2);
}

bool lireEntier(const char* texte, uint64_t& valeur)
{
    if (!texte || !*texte || *texte == '-')
        return false;
    char* fin = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(texte, &fin, 0);
    if (errno != 0 || *fin != '\0')
        return false;
    valeur = v;
    return true;
}

struct Options
{
    uint64_t ticks = 0;
    bool dump = false;
    bool bench = false;
    bool lcd = false;
    bool led = false;
    uint64_t trace = 0;
    std::string vcd;
    uint64_t graine = Aleatoire::graineParDefaut;
    std::vector<Action> actions;
    std::string programme;
    std::vector<std::string> programmes;
    std::string check;
    std::string junit;
    bool tap = false;
    std::string symboles;
    std::string piste;
    std::string robot;
    std::string trajectoire;
    bool pose = false;
    double poseX = 0.0, poseY = 0.0, poseDeg = 0.0;
};

bool lirePose(const std::string& texte, Options& o)
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

Options lireOptions(int argc, char** argv)
{
    Options o;
    bool dureeDonnee = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string raison;
        const OptionAction lue = lireOptionAction(argc, argv, i, o.actions, raison);
        if (lue == OptionAction::Erreur)
            erreur(raison);
        if (lue == OptionAction::Lue)
            continue;
        auto valeur = [&]() -> std::string {
            if (i + 1 >= argc)
                erreur(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--cycles" || arg == "--ms") {
            const std::string v = valeur();
            uint64_t ticks;
            if (arg == "--cycles") {
                uint64_t n;
                if (!lireEntier(v.c_str(), n) || n > UINT64_MAX / 8)
                    erreur("--cycles: not a cycle count: " + v);
                ticks = n * ticksParCycle;
            } else if (!lireInstant(v, ticks)) {
                erreur("--ms: not a duration in milliseconds: " + v);
            }
            if (dureeDonnee)
                erreur("give one of --cycles and --ms");
            o.ticks = ticks;
            dureeDonnee = true;
        } else if (arg == "--trace") {
            const std::string v = valeur();
            if (!lireEntier(v.c_str(), o.trace))
                erreur("--trace: not a count: " + v);
        } else if (arg == "--vcd") {
            o.vcd = valeur();
        } else if (arg == "--piste") {
            o.piste = valeur();
        } else if (arg == "--robot") {
            o.robot = valeur();
        } else if (arg == "--check") {
            o.check = valeur();
        } else if (arg == "--junit") {
            o.junit = valeur();
        } else if (arg == "--tap") {
            o.tap = true;
        } else if (arg == "--symbols") {
            o.symboles = valeur();
        } else if (arg == "--trajectory") {
            o.trajectoire = valeur();
        } else if (arg == "--pose") {
            const std::string v = valeur();
            if (!lirePose(v, o))
                erreur("--pose: expected X,Y,DEG (mm, mm, degrees): " + v);
        } else if (arg == "--lcd") {
            o.lcd = true;
        } else if (arg == "--led") {
            o.led = true;
        } else if (arg == "--dump") {
            o.dump = true;
        } else if (arg == "--bench") {
            o.bench = true;
        } else if (arg == "--seed") {
            const std::string v = valeur();
            if (!lireEntier(v.c_str(), o.graine))
                erreur("--seed: not a number: " + v);
        } else if (arg == "-h" || arg == "--help") {
            std::printf("%s\n", usage);
            std::exit(0);
        } else if (!arg.empty() && arg[0] == '-') {
            erreur("unknown option " + arg + " (--help for the options)");
        } else {
            o.programmes.push_back(arg);
        }
    }
    if (o.programmes.empty())
        erreur("no program given (--help for the options)");
    o.programme = o.programmes[0];
    if (o.check.empty()) {
        if (o.programmes.size() > 1)
            erreur("more than one program given: " + o.programmes[1] + " (several only with --check)");
        if (!o.junit.empty() || o.tap || !o.symboles.empty())
            erreur(std::string(!o.junit.empty() ? "--junit" : o.tap ? "--tap" : "--symbols") + " goes with --check");
    } else {
        // The check file holds the actions; the expectations say what to report.
        const char* autre = !o.actions.empty() ? "--at and --script" : !o.vcd.empty() ? "--vcd" : o.trace ? "--trace"
                          : o.dump ? "--dump" : o.lcd ? "--lcd" : o.led ? "--led"
                          : !o.trajectoire.empty() ? "--trajectory" : nullptr;
        if (autre)
            erreur(std::string(autre) + " cannot be combined with --check");
    }
    ordonneActions(o.actions);
    return o;
}

void afficheMemoire(P18f4550& p)
{
    DataMemory* dm = p.getDM();
    std::printf("pc 0x%04x\n", static_cast<unsigned>(dm->getPC()));
    std::printf("w 0x%02x\n", dm->w());
    std::printf("status 0x%02x\n", dm->readStatus());
    std::printf("bsr 0x%02x\n", dm->readBSR());
    std::printf("ticks %" PRIu64 "\n", p.time());
    for (int ligne = 0; ligne < DataMemory::taille; ligne += 16) {
        char texte[80];
        int n = std::snprintf(texte, sizeof texte, "%03x:", ligne);
        for (int i = 0; i < 16; ++i)
            n += std::snprintf(texte + n, sizeof texte - n, " %02x", dm->readDirect(static_cast<Word>(ligne + i)));
        std::puts(texte);
    }
}

void afficheLcd(LcdScreen& lcd)
{
    for (int y = 0; y < 2; ++y) {
        std::string ligne = "|";
        for (int x = 0; x < 16; ++x) {
            const int c = lcd.getAscii(x, y);
            ligne += c == 255 ? '#' : (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
        }
        std::printf("%s|\n", (ligne).c_str());
    }
}

// One row per motion step; and the largest distance between the robot's front point
// and the nearest tape centre line over the run, leaving out the moments when the
// front point is beside a gap.
class SuiviRobot : public ObservateurPas
{
public:
    explicit SuiviRobot(bool avecPiste) : avecPiste(avecPiste) {}
    ~SuiviRobot() override { fermer(); }
    // Whether every row reached the file (a full disk shows here).
    bool fermer()
    {
        if (!fichier)
            return true;
        const bool ecrit = !std::ferror(fichier);
        const bool ferme = std::fclose(fichier) == 0;
        fichier = nullptr;
        return ecrit && ferme;
    }
    bool ouvrir(const std::string& chemin)
    {
        fichier = std::fopen(chemin.c_str(), "w");
        if (!fichier)
            return false;
        std::fprintf(fichier, "t_ms,x_mm,y_mm,heading_deg,v_left_mm_s,v_right_mm_s,fdc\n");
        return true;
    }
    void pasEffectue(const Modele& m) override
    {
        if (fichier)
            std::fprintf(fichier, "%.3f,%.3f,%.3f,%.4f,%.3f,%.3f,%d\n",
                         enMs(static_cast<double>(m.time() - origine)), m.getX(), m.getY(),
                         m.getTheta() * radEnDeg, m.getMoteurG()->getVitesse(),
                         m.getMoteurD()->getVitesse(), m.getFdc()->isActif() ? 1 : 0);
        if (avecPiste) {
            const double d = m.getPiste()->distanceAuScotch(m.getX() + Modele::avant * m.getCosTheta(),
                                                                 m.getY() + Modele::avant * m.getSinTheta());
            ecartMax = std::max(ecartMax, d);
        }
    }
    uint64_t origine = 0;
    double ecartMax = -1.0;   // none measured yet

private:
    bool avecPiste;
    FILE* fichier = nullptr;
};

// Runs the board for the options' duration, firing the actions at their moments.
class Simulation
{
public:
    Simulation(Modele& m, const Options& o) : modele(m), pic(*m.getProcesseur()), options(o)
    {
        QObject::connect(&modele, &Modele::setPowerOn, [this] { enMarche = true; });
        QObject::connect(&modele, &Modele::setPowerOff, [this] { enMarche = false; });
    }

    void executer()
    {
        modele.powerOn();
        origine = pic.time();
        const uint64_t fin = options.ticks;
        size_t prochaine = 0;
        while (true) {
            while (prochaine < options.actions.size() && options.actions[prochaine].ticks <= horloge())
                options.actions[prochaine++].appliquer(modele);
            if (horloge() >= fin)
                break;
            const uint64_t limite =
                prochaine < options.actions.size() ? std::min(options.actions[prochaine].ticks, fin) : fin;
            if (!enMarche) {
                // The board is off or held in reset: chip time passes with nothing to run.
                const uint64_t duree = limite - horloge();
                attente += duree;
                if (vcd)
                    vcd->attente(duree);
                continue;
            }
            const uint64_t arret = pic.time() + (limite - horloge());
            if (tracees < options.trace)
                executeTrace(arret);
            // Only the actions switch the board on and off: none comes inside a stretch.
            modele.executeJusqua(arret);
            ticksExecutes = pic.time() - origine;
        }
    }

    uint64_t ticksExecutes = 0;
    EnregistreurVcd* vcd = nullptr;

private:
    uint64_t horloge() const { return pic.time() - origine + attente; }

    void executeTrace(uint64_t arret)
    {
        DataMemory* dm = pic.getDM();
        while (pic.time() < arret && enMarche && tracees < options.trace) {
            const uint64_t debut = horloge();
            modele.pas();
            std::printf("%" PRIu64 " 0x%04x %-28s w 0x%02x status 0x%02x\n", debut,
                        static_cast<unsigned>(pic.getInstrPC()), pic.getInstrPtr()->affiche().c_str(), dm->w(),
                        dm->readStatus());
            ++tracees;
        }
    }

    Modele& modele;
    P18f4550& pic;
    const Options& options;
    bool enMarche = false;
    uint64_t origine = 0;
    uint64_t attente = 0;
    uint64_t tracees = 0;
};

int lanceCheck(const Options& o)
{
    ParametresCheck p;
    p.fichier = o.check;
    p.programmes = o.programmes;
    p.junit = o.junit;
    p.tap = o.tap;
    p.symboles = o.symboles;
    p.piste = o.piste;
    p.robot = o.robot;
    p.pose = o.pose;
    p.poseX = o.poseX;
    p.poseY = o.poseY;
    p.poseDeg = o.poseDeg;
    p.graine = o.graine;
    p.ticksMin = o.ticks;
    p.bench = o.bench;
    return executerCheck(p);
}

}  // namespace

int main(int argc, char** argv)
{
    const Options o = lireOptions(argc, argv);
    // The files are checked before anything runs, in both modes: one line naming the
    // file and what is wrong with it.
    std::vector<std::string> defauts;
    for (const std::string& programme : o.programmes)
        defauts.push_back(defautFichierLu(programme));
    if (!o.piste.empty())
        defauts.push_back(defautDocumentXml(o.piste, "piste"));
    if (!o.robot.empty())
        defauts.push_back(defautDocumentXml(o.robot, "rombo"));
    for (const std::string& defaut : defauts)
        if (!defaut.empty())
            erreur(defaut);
    if (!o.check.empty())
        return lanceCheck(o);

    Aleatoire::graine(o.graine);
    auto modele = std::make_unique<Modele>();
    P18f4550& pic = *modele->getProcesseur();
    pic.readFromHex(o.programme.c_str());
    const BilanLecture& bilan = pic.getFM()->bilan();
    if (!bilan.ouvert)
        erreur(o.programme + ": cannot be read");
    if (bilan.lignesIgnorees == bilan.lignes)
        erreur(o.programme + ": no valid Intel HEX record (" + std::to_string(bilan.lignes) + " line" +
               (bilan.lignes > 1 ? "s" : "") + " read)");
    if (bilan.lignesIgnorees > 0)
        std::fprintf(stderr, "tavrex-cli: %s: %d line%s skipped (not a valid record)\n", o.programme.c_str(),
                     bilan.lignesIgnorees, bilan.lignesIgnorees > 1 ? "s" : "");

    if (!o.piste.empty() && !modele->getPiste()->openData(QString::fromLocal8Bit(o.piste.c_str())))
        erreur(o.piste + ": cannot be read as a track");
    if (!o.robot.empty()) {
        if (!modele->openData(QString::fromLocal8Bit(o.robot.c_str())))
            erreur(o.robot + ": cannot be read as a robot");
        // The motors follow the file's assignment, as the configuration window does.
        modele->setPwm1aGauche(modele->isPwm1aGauche());
    }
    if (o.pose)
        modele->romboSurPiste(o.poseX, o.poseY, o.poseDeg);
    SuiviRobot suivi(!o.piste.empty());
    if (!o.trajectoire.empty() && !suivi.ouvrir(o.trajectoire))
        erreur(o.trajectoire + ": cannot be written (" + std::strerror(errno) + ")");
    suivi.origine = pic.time();
    modele->setObservateurPas(&suivi);

    std::unique_ptr<EnregistreurVcd> vcd;
    Simulation simulation(*modele, o);
    const std::clock_t cpu0 = std::clock();
    const auto mur0 = std::chrono::steady_clock::now();
    if (!o.vcd.empty()) {
        // Opened after power-on's reset, so that time 0 holds the levels it set.
        QObject::connect(modele.get(), &Modele::setPowerOn, [&] {
            if (vcd)
                return;
            vcd = std::make_unique<EnregistreurVcd>(pic, pic.time());
            if (!vcd->ouvrir(o.vcd))
                erreur(o.vcd + ": cannot be written (" + std::strerror(errno) + ")");
            pic.setObservateurPorts(vcd.get());
            simulation.vcd = vcd.get();
        });
    }
    simulation.executer();
    const auto mur1 = std::chrono::steady_clock::now();
    const std::clock_t cpu1 = std::clock();
    if (vcd) {
        pic.setObservateurPorts(nullptr);
        if (!vcd->fermer())
            erreur(o.vcd + ": could not be written whole (" + std::strerror(errno) + ")");
    }
    modele->setObservateurPas(nullptr);
    if (!suivi.fermer())
        erreur(o.trajectoire + ": could not be written whole (" + std::strerror(errno) + ")");

    if (o.dump)
        afficheMemoire(pic);
    if (o.lcd)
        afficheLcd(*modele->getLcd());
    if (o.led)
        std::printf("led %.2f mA\n", modele->getLedA6()->getCourant() * 1000.0);
    if (!o.piste.empty()) {
        std::printf("pose x %.1f mm, y %.1f mm, heading %.1f deg, switch %s\n", modele->getX(), modele->getY(),
                    modele->getTheta() * radEnDeg, modele->getFdc()->isActif() ? "pressed" : "released");
        if (suivi.ecartMax < 0.0)
            std::printf("largest distance from the tape: none measured (no tape beside the robot)\n");
        else
            std::printf("largest distance from the tape: %.1f mm\n", suivi.ecartMax);
    }
    if (o.bench) {
        const double secondes = std::chrono::duration<double>(mur1 - mur0).count();
        const double cycles = static_cast<double>(simulation.ticksExecutes) / 4.0;
        const double parSeconde = secondes > 0 ? cycles / secondes : 0.0;
        std::printf("cycles %.0f\n", cycles);
        std::printf("seconds %.3f (cpu %.3f)\n", secondes, double(cpu1 - cpu0) / CLOCKS_PER_SEC);
        std::printf("cycles/s %.3g\n", parSeconde);
        std::printf("real time x%.2f\n", parSeconde / cyclesTempsReel);
    }
    return 0;
}
