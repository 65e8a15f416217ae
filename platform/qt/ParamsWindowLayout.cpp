// The parameters window: how the text is scanned in the left column, which
// words are left out in the right one, the bulk and file buttons below.
#include <array>

#include "platform/qt/WindowLayout.h"

namespace zet {

namespace {

constexpr unsigned kWrap = kLayoutWrap;
constexpr unsigned kFixed = kLayoutFixedPitch;

constexpr std::array<LayoutEntry, 52> kEntries = {{
    // Left column: scanning.
    {"lblOnThisPage", 120, 120, 4560, 1080, kWrap},
    {"chkCaseSignificant", 120, 1290, 4560, 255},
    {"lblAllowWordsWith", 120, 1620, 4560, 255},
    {"chkAllowWordsWithHyphens", 360, 1890, 2040, 255},
    {"chkAllowWordsWithApostrophes", 360, 2160, 2040, 255},
    {"chkAllowWordsWithUnderscores", 360, 2430, 2040, 255},
    {"chkAllowWordsWithColons", 360, 2700, 2040, 255},
    {"chkAllowWordsWithBackslashes", 360, 2970, 2040, 255},
    {"chkAllowWordsWithForwardslashes", 2520, 1890, 2160, 255},
    {"chkAllowWordsWithPeriods", 2520, 2160, 2160, 255},
    {"chkAllowWordsWithAtSigns", 2520, 2430, 2160, 255},
    {"chkAllowWordsWithNumerals", 2520, 2700, 2160, 255},
    {"chkDropFinalS", 120, 3330, 4560, 255},
    {"chkAllowCommentMarkers", 120, 3660, 4560, 255},
    {"lblFirstSet", 360, 3990, 1080, 255},
    {"txbStartComment(0)", 1500, 3960, 1440, 315, kFixed},
    {"txbEndComment(0)", 3060, 3960, 1440, 315, kFixed},
    {"lblSecondSet", 360, 4380, 1080, 255},
    {"txbStartComment(1)", 1500, 4350, 1440, 315, kFixed},
    {"txbEndComment(1)", 3060, 4350, 1440, 315, kFixed},
    {"chkUnicodeLetters", 120, 4770, 4560, 255},
    // Right column: words left out.
    {"chkIgnoreCommonWords", 4920, 120, 3600, 255},
    {"txbCommonWordsFile", 4920, 420, 6780, 315, kFixed},
    {"cmdSelectCommonWordsFile", 4920, 810, 3000, 345},
    {"cmdClearCommonWordsFile", 8040, 810, 960, 345},
    {"lblIgnoreTheseWords", 4920, 1290, 3000, 255},
    {"txbWordsToIgnore", 4920, 1560, 5700, 315, kFixed},
    {"cmdClearWordsToIgnore", 10740, 1545, 960, 345},
    {"chkIgnoreRepetitions", 4920, 2040, 6780, 255},
    {"chkIgnoreRomNum40", 4920, 2340, 6780, 255},
    {"chkIgnoreNoVowelOrY", 4920, 2640, 6780, 255},
    {"chkIgnoreShortWords", 4920, 2970, 3480, 255},
    {"cboShortWordSize", 8460, 2940, 780, 315, kLayoutPlain, "9"},
    {"lblCharacters", 9330, 2970, 1500, 255},
    {"lblIgnoreLongWords", 5220, 3360, 3180, 255},
    {"cboLongWordSize", 8460, 3330, 780, 315, kLayoutPlain, "80"},
    {"lblCharacters2", 9330, 3360, 1500, 255},
    {"chkIgnoreInfrequentWords", 4920, 3750, 3480, 255},
    {"cboThresholdFrequency", 8460, 3720, 780, 315, kLayoutPlain, "9"},
    {"lblOccurrences", 9330, 3750, 1500, 255},
    // Output and quitting.
    {"chkOutputWithCommas", 4920, 4170, 4200, 255},
    {"chkWarnOnOverwrite", 4920, 4440, 4200, 255},
    {"chkSaveStateOnQuit", 4920, 4710, 4200, 255},
    // Bulk buttons.
    {"cmdClearCheckboxes(0)", 120, 5130, 1920, 375},
    {"cmdClearCheckboxes(1)", 2160, 5130, 1920, 375},
    {"cmdRestoreDefaults", 4200, 5130, 1920, 375},
    {"cmdInitialize", 6240, 5130, 1680, 375},
    // Parameter files.
    {"cmdSaveLoadParameters(0)", 120, 5610, 2880, 375},
    {"cmdSaveLoadParameters(1)", 3120, 5610, 3000, 375},
    {"cmdClose", 10020, 5610, 1680, 375},
    {"lblParameters", 120, 6120, 2640, 255, kLayoutPlain, "Parameters loaded from"},
    {"txbParametersFile", 2880, 6090, 8820, 315, kFixed},
}};

// Every button and check box has its own key. There are more of them than
// letters in their captions, so six of the "Allow 'words' with:" boxes take
// the character they allow (Alt+- for hyphens); the letters are matched by
// hand so that none is left without one.
constexpr std::array<PreferredAccelerator, 32> kAccelerators = {{
    {"chkCaseSignificant", 'p'},
    {"chkAllowWordsWithHyphens", '-'},
    {"chkAllowWordsWithApostrophes", '\''},
    {"chkAllowWordsWithUnderscores", 'o'},
    {"chkAllowWordsWithColons", 'n'},
    {"chkAllowWordsWithBackslashes", '\\'},
    {"chkAllowWordsWithForwardslashes", '/'},
    {"chkAllowWordsWithPeriods", '.'},
    {"chkAllowWordsWithAtSigns", '@'},
    {"chkAllowWordsWithNumerals", 'm'},
    {"chkDropFinalS", 'd'},
    {"chkAllowCommentMarkers", 'k'},
    {"chkUnicodeLetters", 'u'},
    {"chkIgnoreCommonWords", 'g'},
    {"cmdSelectCommonWordsFile", 's'},
    {"cmdClearCommonWordsFile", 'e'},
    {"cmdClearWordsToIgnore", 'a'},
    {"chkIgnoreRepetitions", 't'},
    {"chkIgnoreRomNum40", '4'},
    {"chkIgnoreNoVowelOrY", 'y'},
    {"chkIgnoreShortWords", 'h'},
    {"chkIgnoreInfrequentWords", 'f'},
    {"chkOutputWithCommas", 'i'},
    {"chkWarnOnOverwrite", 'w'},
    {"chkSaveStateOnQuit", 'q'},
    {"cmdClearCheckboxes(0)", 'b'},
    {"cmdClearCheckboxes(1)", 'x'},
    {"cmdRestoreDefaults", 'r'},
    {"cmdInitialize", 'z'},
    {"cmdSaveLoadParameters(0)", 'v'},
    {"cmdSaveLoadParameters(1)", 'l'},
    {"cmdClose", 'c'},
}};

constexpr WindowLayout kLayout{"frmParams", 11820, 6540,          false,
                               kEntries,    false, kAccelerators, true};

}  // namespace

const WindowLayout& ParamsWindowLayout() noexcept { return kLayout; }

}  // namespace zet
