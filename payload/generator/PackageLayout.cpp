#include "PackageLayout.h"

#include "DosProgram.h"
#include "Prng.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <stdexcept>

namespace payload {
namespace {

// A folder and its files. Each name is "NAME.EXT" or "NAME.EXT=size"; names without a size get one
// drawn between minSize and maxSize on a logarithmic scale, so small files are the majority.
struct Group {
    std::string folder;
    std::string names;
    std::uint32_t minSize = 0;
    std::uint32_t maxSize = 0;
};

EntryKind KindOf(const std::string& name)
{
    std::string extension = name.substr(name.rfind('.') + 1);
    if (extension == "EXE" || extension == "COM" || extension == "OVL") return EntryKind::Program;
    if (extension == "LIB" || extension == "OBJ" || extension == "QLB") return EntryKind::Library;
    if (extension == "HLP") return EntryKind::Help;
    if (extension == "BAS") return EntryKind::BasicSource;
    if (extension == "BI" || extension == "INC") return EntryKind::BasicInclude;
    if (extension == "DOC" || extension == "TXT" || extension == "LST" || extension == "INI") return EntryKind::Document;
    return EntryKind::Data;
}

// MS-DOS short names: one to eight characters, a dot, one to three; upper case letters, digits and a
// few punctuation marks.
bool IsShortName(const std::string& name)
{
    std::size_t dot = name.find('.');
    if (dot == std::string::npos || dot == 0 || dot > 8 || name.size() - dot - 1 < 1 || name.size() - dot - 1 > 3) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        bool allowed = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$' || c == '-'
                       || (c == '.' && i == dot);
        if (!allowed) {
            return false;
        }
    }
    return true;
}

// Expands "A B C" and a list of suffixes into "A.x A.y B.x ...".
std::string Cross(const std::string& stems, const std::vector<std::string>& suffixes)
{
    std::istringstream words(stems);
    std::string stem;
    std::string result;
    while (words >> stem) {
        for (const std::string& suffix : suffixes) {
            result += stem + suffix + " ";
        }
    }
    return result;
}

ArchivePlan MakePlan(const std::string& fileName, const std::string& folderName, std::uint32_t packedTarget,
                     std::uint32_t unpackedTarget, DosTimestamp timestamp, const std::string& banner,
                     const std::string& launcherName, std::size_t expectedCount, const std::vector<Group>& groups)
{
    ArchivePlan plan;
    plan.fileName = fileName;
    plan.folderName = folderName;
    plan.packedTarget = packedTarget;
    plan.unpackedTarget = unpackedTarget;
    plan.timestamp = timestamp;
    plan.banner = banner;
    std::string markerName = folderName;
    std::transform(markerName.begin(), markerName.end(), markerName.begin(),
                   [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
    plan.markerPath = "D:\\" + markerName + ".RAN";
    plan.seed = Prng::SeedFromText(fileName);

    Prng prng(plan.seed);
    std::uint32_t launcherSize =
        static_cast<std::uint32_t>(BuildLauncherProgram(plan.banner, plan.markerPath).size());
    std::uint64_t nominalTotal = 0;
    for (const Group& group : groups) {
        std::istringstream words(group.names);
        std::string word;
        while (words >> word) {
            std::string name = word.substr(0, word.find('='));
            if (!IsShortName(name)) {
                throw std::logic_error("not an MS-DOS file name: " + name);
            }
            PlannedEntry entry{group.folder + "\\" + name, KindOf(name), 0};
            if (entry.name == launcherName) {
                entry.kind = EntryKind::Launcher;
                entry.size = launcherSize;
            } else if (word.find('=') != std::string::npos) {
                entry.size = static_cast<std::uint32_t>(std::stoul(word.substr(word.find('=') + 1)));
                nominalTotal += entry.size;
            } else {
                double low = std::log(static_cast<double>(group.minSize));
                double high = std::log(static_cast<double>(group.maxSize));
                entry.size = static_cast<std::uint32_t>(std::exp(low + (high - low) * prng.Unit()));
                nominalTotal += entry.size;
            }
            plan.entries.push_back(entry);
        }
    }

    // Scale the nominal sizes so that the members add up to the unpacked size exactly; the rounding
    // remainder goes to the largest member.
    std::set<std::string> seen;
    bool hasLauncher = false;
    for (const PlannedEntry& entry : plan.entries) {
        if (!seen.insert(entry.name).second) {
            throw std::logic_error("duplicate member " + entry.name);
        }
        hasLauncher = hasLauncher || entry.kind == EntryKind::Launcher;
    }
    if (!hasLauncher || plan.entries.size() != expectedCount) {
        throw std::logic_error(fileName + ": launcher missing or " + std::to_string(plan.entries.size())
                               + " members instead of " + std::to_string(expectedCount));
    }
    double scale = static_cast<double>(unpackedTarget - launcherSize) / static_cast<double>(nominalTotal);
    std::uint64_t total = 0;
    PlannedEntry* largest = nullptr;
    for (PlannedEntry& entry : plan.entries) {
        if (entry.kind != EntryKind::Launcher) {
            entry.size = std::max<std::uint32_t>(64, static_cast<std::uint32_t>(std::lround(entry.size * scale)));
            if (largest == nullptr || entry.size > largest->size) {
                largest = &entry;
            }
        }
        total += entry.size;
    }
    largest->size = static_cast<std::uint32_t>(static_cast<std::int64_t>(largest->size)
                                               + static_cast<std::int64_t>(unpackedTarget) - static_cast<std::int64_t>(total));
    return plan;
}

} // namespace

std::vector<ArchivePlan> PackageArchivePlans()
{
    std::vector<ArchivePlan> plans;

    plans.push_back(MakePlan("qb11_pb.zip", "qb11", 293738, 325190, DosTimestamp::From(1991, 6, 1, 12, 0, 0),
                             "QBASIC 1.1 stand-in", "qb11\\QBASIC.EXE", 2,
                             {{"qb11", "QBASIC.EXE QBASIC.HLP=130000"}}));

    plans.push_back(MakePlan(
        "qb45_pb.zip", "qb45", 994088, 1507506, DosTimestamp::From(1988, 10, 1, 12, 0, 0),
        "QuickBASIC 4.5 stand-in", "qb45\\QB.EXE", 70,
        {{"qb45", "QB.EXE BC.EXE=70000 LINK.EXE=64000 LIB.EXE=32000 BRUN45.EXE=78000 SETUP.EXE=38000 "
                  "MOUSE.COM=14000 README.DOC=36000 PACKING.LST=3500"},
         {"qb45\\HLP", "QB45QCK.HLP=135000 QB45ENER.HLP=120000 QB45ADVR.HLP=300000 QB45MSG.HLP=60000"},
         {"qb45\\INC", "QB.BI=4000 DEMO1.BAS=3000 DEMO2.BAS=4500 DEMO3.BAS=6000 CALENDAR.BAS=14000 "
                       "CHECKERS.BAS=22000 BANKACCT.BAS=9000 SCRNSAVE.BAS=7000"},
         {"qb45\\INC\\ADVR_EX",
          Cross("ABS ASC BEEP BLOAD CALL CHAIN CHR CIRCL CLEAR CLOSE COLOR CONST DATA DATE DIM DRAW EOF FIELD "
                "FILES GET INKEY INPUT INSTR LINE LOCAT MID OPEN PAINT PLAY PRINT", {"_EX.BAS"}),
          900, 5000},
         {"qb45\\INC\\EXAMPLES", Cross("BALLOON BIORHYTH CLOCK DICE FRACTAL HISTOGRM LOAN PIANO SPIRAL TIMETBL", {".BAS"}),
          3000, 20000},
         {"qb45\\LIB", "BCOM45.LIB=210000 BRUN45.LIB=36000 BQLB45.LIB=12000 QB.LIB=8000 QB.QLB=9500 "
                       "NOCOM.OBJ=900 NOEM.OBJ=1100 SMALLERR.OBJ=1500 NOLPT.OBJ=800"}}));

    const std::vector<std::string> modelSuffixes = {"EFR.LIB", "EFP.LIB", "ENR.LIB", "ENP.LIB",
                                                    "AFR.LIB", "AFP.LIB", "ANR.LIB", "ANP.LIB"};
    plans.push_back(MakePlan(
        "qbx_pb.zip", "qbx", 5680088, 10874599, DosTimestamp::From(1990, 11, 1, 12, 0, 0),
        "QuickBASIC Extended 7.1 stand-in", "qbx\\BIN\\QBX.EXE", 277,
        {{"qbx\\BIN", "QBX.EXE BC.EXE=380000 LINK.EXE=120000 LIB.EXE=48000 NMAKE.EXE=52000 HELPMAKE.EXE=98000 "
                      "BUILDLIB.EXE=30000 CV.EXE=390000 CVPACK.EXE=34000 PWB.EXE=310000 ISAMCVT.EXE=40000 "
                      "ISAMREPR.EXE=38000 ISAMIO.EXE=42000 PROISAM.EXE=56000 PROISAMD.EXE=80000 MSHERC.COM=7000 "
                      "QBXENV.OVL=720000 QBXHELP.OVL=300000 PACKING.LST=12000 README.DOC=20000"},
         {"qbx\\BINB", "BC.EXE=400000 LINK.EXE=140000 LIB.EXE=55000 NMAKE.EXE=60000 HELPMAKE.EXE=110000 "
                       "CVP.EXE=420000 CVPACK.EXE=38000 BUILDLIB.EXE=34000 PWBB.EXE=300000 QH.EXE=60000 "
                       "ISAMCVT.EXE=42000 MKKEY.EXE=20000"},
         {"qbx\\HELP", "QBXENV.HLP=900000 QBXADV.HLP=860000 QBXERR.HLP=420000 QBXLANG.HLP=600000 "
                       "QBXKEYS.HLP=90000 QBXTOOL.HLP=150000 LINK.HLP=60000 LIB.HLP=40000 NMAKE.HLP=55000 "
                       "HELPMAKE.HLP=35000 CV.HLP=320000 PWB.HLP=260000 ISAM.HLP=110000 UTILS.HLP=70000 "
                       "MSGS.HLP=130000"},
         {"qbx\\LIB", Cross("BCL71 BRT71", modelSuffixes), 18000, 40000},
         {"qbx\\LIB", Cross("QBX QBXQLB DATETIME FINANCE FORMAT MATRIX UIASM GRAPHX", {".LIB"}), 12000, 45000},
         {"qbx\\LIB", Cross("QBX DATETIME FINANCE FORMAT MATRIX UIASM GRAPHX", {".QLB"}), 10000, 35000},
         {"qbx\\LIB", Cross("NOCOM NOLPT NOEDIT NOGRAPH NOCGA NOEGA NOHERC NOOGA NOVGA NOFLTIN NOTRNEM NOISAM "
                            "NOEMS SMALLERR TSCNIOFR TSCNIONR OVLDOS21 EMLFR EMLNR FLOATFR FLOATNR CHAINFR "
                            "CHAINNR EVNTFR EVNTNR STUBFR STUBNR SHELLFR SHELLNR LOCKFR LOCKNR ISAMFR ISAMNR",
                            {".OBJ"}),
          400, 4000},
         {"qbx\\SRC",
          Cross("MENU WINDOW MOUSE GENERAL DATETIME FINANCE FORMAT MATRIX UIASM GRAPHX CHRTDEMO CHRTLIB FONTDEMO "
                "FONTLIB BOOKLOOK BOOKUTIL CUSTOMER INVOICE PAYROLL STOCK ORDERS LEDGER BUDGET CALENDAR CLOCK "
                "TIMER ALARM SCHEDULE ADDRESS PHONE NOTEPAD EDITOR VIEWER BROWSER SEARCH SORT INDEX REPORT "
                "PRINTER LABELS FORMS DIALOG BUTTONS LISTBOX SCROLL STATUS TOOLBAR HELPSYS KEYBOARD SOUND MUSIC "
                "GAMES CARDS DICE PUZZLE MAZE SNAKE TETRA CHESS CHECKERS GRAPHS PLOT SHAPES SPRITE PALETTE "
                "FRACTAL STARS ORBIT WAVES MATHLIB STATS CONVERT COMPRESS CRYPT TERMINAL MODEM SERIAL NETWORK "
                "DATABASE QUERY IMPORT EXPORT BACKUP",
                {".BAS", ".BI"}),
          800, 9000}}));

    plans.push_back(MakePlan(
        "vbdos_pb.zip", "vbdos", 5826036, 11015947, DosTimestamp::From(1992, 5, 1, 12, 0, 0),
        "Visual Basic for DOS stand-in", "vbdos\\BIN\\VBDOS.EXE", 219,
        {{"vbdos\\BIN", "VBDOS.EXE BC.EXE=400000 LINK.EXE=120000 LIB.EXE=50000 NMAKE.EXE=52000 HELPMAKE.EXE=95000 "
                        "BUILDLIB.EXE=32000 FD.EXE=420000 VBDRUN10.EXE=260000 VBDENV.OVL=850000 FDENV.OVL=300000 "
                        "SETUP.EXE=60000 MSHERC.COM=7000 ISAMCVT.EXE=40000 ISAMREPR.EXE=38000 ISAMIO.EXE=42000 "
                        "PROISAM.EXE=56000 PROISAMD.EXE=80000 CONVERT.EXE=45000 FRMPRINT.EXE=30000 "
                        "ICONEDIT.EXE=65000 CVPACK.EXE=34000 CV.EXE=390000 QH.EXE=60000 VBDOS.INI=600 FD.INI=400 "
                        "README.TXT=42000 PACKING.LST=9000 ERRORS.TXT=25000"},
         {"vbdos\\HLP", "VBDENV.HLP=900000 VBDLANG.HLP=850000 VBDFORMS.HLP=400000 VBDCTRL.HLP=520000 "
                        "VBDERR.HLP=300000 VBDKEYS.HLP=80000 VBDTOOLS.HLP=140000 FD.HLP=200000 LINK.HLP=60000 "
                        "LIB.HLP=40000 NMAKE.HLP=55000 CV.HLP=320000 QH.HLP=30000 ISAM.HLP=110000 "
                        "SAMPLES.HLP=160000"},
         {"vbdos\\INC",
          Cross("CONSTANT VBDOS MOUSE DOSINT SETUP FORMS CONTROLS MENUS DIALOGS EVENTS PRINTER CLIPBRD SCREEN "
                "KEYS COLORS FILEIO ISAM DATETIME FINANCE FORMAT MATRIX STRINGS HELP ERRORS GRAPHICS SOUND "
                "COMM TIMER DRAGDROP MSGBOX", {".BI"}) +
              Cross("CONSTANT VBDOS MOUSE DOSINT FORMS CONTROLS MENUS DIALOGS EVENTS KEYS COLORS FILEIO ERRORS "
                    "STRINGS", {".INC"}),
          1500, 20000},
         {"vbdos\\LIB", Cross("VBR10 VBC10 VBX10", modelSuffixes), 20000, 45000},
         {"vbdos\\LIB",
          Cross("VBDOS FORMS CONTROLS MENUS DIALOGS MOUSE PRINTER CLIPBRD DATETIME FINANCE FORMAT MATRIX "
                "STRINGS GRAPHICS SOUND COMM TIMER DRAGDROP MSGBOX ISAM HELP GENERAL CHART FONTS GAUGE GRID "
                "SPIN TOOLBAR STATUS TABS",
                {".LIB", ".QLB"}),
          12000, 60000},
         {"vbdos\\LIB",
          Cross("NOCOM NOLPT NOEDIT NOGRAPH NOCGA NOEGA NOHERC NOVGA NOFLTIN NOEMS NOISAM NOEVENT NOMOUSE "
                "NOFORMS NOCLIP NOPRINT SMALLERR OVLDOS21 EMLFR EMLNR FLOATFR FLOATNR CHAINFR CHAINNR EVNTFR "
                "EVNTNR STUBFR STUBNR SHELLFR SHELLNR LOCKFR LOCKNR ISAMFR ISAMNR FORMSFR FORMSNR MOUSEFR MOUSENR "
                "CLIPFR CLIPNR PRINTFR PRINTNR TIMERFR TIMERNR COMMFR COMMNR DRAGFR",
                {".OBJ"}),
          400, 4000}}));

    return plans;
}

} // namespace payload
