// The main window: file names at the top, the source and display choices
// in two frames, the buttons in a column at the right, the output textbox
// with its clipboard labels, and the counters at the foot. The window is
// no smaller than this; larger, the textbox grows, the buttons keep to the
// right edge and the counters to the foot.
#include <array>

#include "platform/qt/WindowLayout.h"

namespace zet {

namespace {

constexpr unsigned kWrap = kLayoutWrap;
constexpr unsigned kFixed = kLayoutFixedPitch;
// The counters at the foot's right half stay under the right edge.
constexpr unsigned kCounterRight = kLayoutBottom | kLayoutRight;

// Widest run-time captions: a file of almost 100 MB, a total of millions.
constexpr std::string_view kWidestFileSize =
    "Filesize:   99,999,999 bytes    97,656.25 KB    95.37 MB";
// Counts of up to eleven digits: a corpus of millions of different words
// must not lose its leading digits.
constexpr std::string_view kWidestListed = "Number of words in this list:  99,999,999,999";
constexpr std::string_view kWidestOccurrences =
    "No. of occurrences in file of words in this list:  99,999,999,999";

constexpr std::array<LayoutEntry, 39> kEntries = {{
    // Files.
    {"txbFile(0)", 120, 150, 4800, 315, kFixed},
    {"cmdFile(0)", 5040, 135, 1440, 345},
    {"cmdClearFile(0)", 6600, 135, 840, 345},
    {"lblFilesize", 120, 525, 7320, 255, kLayoutPlain, kWidestFileSize},
    {"txbFile(1)", 120, 870, 4800, 315, kFixed},
    {"cmdFile(1)", 5040, 855, 1440, 345},
    {"cmdClearFile(1)", 6600, 855, 840, 345},
    {"chkDisableOutputToFile", 7560, 900, 1320, 255},
    {"Label3", 120, 1260, 11130, 480, kWrap},
    // Source frame.
    {"fraSource", 120, 1800, 4440, 1500},
    {"Label5", 270, 2070, 780, 255},
    {"optInFile", 1050, 2055, 1020, 285},
    {"optInTextBox", 2130, 2055, 1500, 285},
    {"cmdListWords", 270, 2460, 3300, 420},
    {"chkSuppressWords", 270, 2970, 4170, 255},
    // Display frame.
    {"fraDisplay", 4680, 1800, 4560, 1500},
    {"Label4", 4830, 1950, 4260, 480, kWrap},
    {"lblWordOrder", 4830, 2535, 1620, 255},
    {"cboWordOrder", 6480, 2505, 2610, 315, kLayoutPlain, "by frequency"},
    {"lblDisplayFormat", 4830, 2925, 1620, 255},
    {"cboDisplayFormat", 6480, 2895, 2610, 315, kLayoutPlain, "rank frequency word"},
    // Output textbox and the clipboard labels under it.
    {"txbOutput", 120, 3420, 9120, 2040, kFixed | kLayoutGrow},
    {"Label1", 120, 5520, 6600, 255, kLayoutBottom},
    {"lblSizeOfClipboardContents", 6840, 5520, 4410, 255, kLayoutBottom | kLayoutRight,
     "Contents of clipboard:   100,000 bytes"},
    {"Label2", 120, 5790, 6600, 255, kLayoutBottom},
    // Counters.
    {"fraCounters", 120, 6090, 11130, 870, kLayoutBottom | kLayoutGrowWidth},
    {"lblTwirler", 270, 6300, 300, 360, kLayoutBottom},
    {"lblNumberOfWords", 690, 6270, 4200, 255, kLayoutBottom, kWidestListed},
    {"lblNumWordsExcluded", 690, 6600, 4200, 255, kLayoutBottom, kWidestListed},
    {"lblNumOccurrences", 5010, 6270, 6120, 255, kCounterRight, kWidestOccurrences},
    {"lblTotalNumOccurrences", 5010, 6600, 6120, 255, kCounterRight, kWidestOccurrences},
    // Buttons.
    {"cmdSetParameters", 9360, 1800, 1890, 375, kLayoutRight},
    {"cmdCopyToClipboard", 9360, 2220, 1890, 375, kLayoutRight},
    {"cmdClearOutput", 9360, 2640, 1890, 375, kLayoutRight},
    {"cmdSaveState", 9360, 3060, 1890, 375, kLayoutRight},
    {"cmdHelp", 9360, 3480, 1890, 375, kLayoutRight},
    {"cmdQuit", 9360, 3900, 1890, 375, kLayoutRight},
    // Links.
    {"lblOnlineDocumentation", 9360, 4440, 1890, 255, kLayoutRight},
    {"lblAboutZet", 9360, 4740, 1890, 255, kLayoutRight},
}};

// Clear of the menu bar's File, Edit, View and Help.
constexpr std::array<PreferredAccelerator, 15> kAccelerators = {{
    {"cmdFile(0)", 'i'},
    {"cmdClearFile(0)", 'a'},
    {"cmdFile(1)", 'o'},
    {"cmdClearFile(1)", 'r'},
    {"chkDisableOutputToFile", 'd'},
    {"optInFile", 'l'},
    {"optInTextBox", 'b'},
    {"cmdListWords", 'c'},
    {"chkSuppressWords", 'w'},
    {"cmdSetParameters", 'm'},
    {"cmdCopyToClipboard", 'y'},
    {"cmdClearOutput", 'x'},
    {"cmdSaveState", 't'},
    {"cmdHelp", 'p'},
    {"cmdQuit", 'q'},
}};

constexpr WindowLayout kLayout{"frmMain", 11370, 7050, true, kEntries, true, kAccelerators};

}  // namespace

const WindowLayout& MainWindowLayout() noexcept { return kLayout; }

}  // namespace zet
