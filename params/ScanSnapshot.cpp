#include "params/ScanSnapshot.h"

#include "scanner/TextCodec.h"
#include "scanner/WordChars.h"

namespace zet {

AllowFlags AllowFlagsFrom(const ParameterSet& p) {
  AllowFlags a;
  a.blnAllowHyphens = p.IsChecked(ParamId::chkAllowWordsWithHyphens);
  a.blnAllowApostrophes = p.IsChecked(ParamId::chkAllowWordsWithApostrophes);
  a.blnAllowUnderscores = p.IsChecked(ParamId::chkAllowWordsWithUnderscores);
  a.blnAllowColons = p.IsChecked(ParamId::chkAllowWordsWithColons);
  a.blnAllowBackslashes = p.IsChecked(ParamId::chkAllowWordsWithBackslashes);
  a.blnAllowForwardslashes = p.IsChecked(ParamId::chkAllowWordsWithForwardslashes);
  a.blnAllowPeriods = p.IsChecked(ParamId::chkAllowWordsWithPeriods);
  a.blnAllowAtSigns = p.IsChecked(ParamId::chkAllowWordsWithAtSigns);
  a.blnAllowNumerals = p.IsChecked(ParamId::chkAllowWordsWithNumerals);
  a.blnKeepApostropheFragments = p.Value(ParamId::chkAllowWordsWithApostrophes) == 2;
  return a;
}

WordRules WordRulesFrom(const ParameterSet& p) {
  WordRules r;
  r.allow = AllowFlagsFrom(p);
  r.blnCaseSignificant = p.IsChecked(ParamId::chkCaseSignificant);
  r.blnDropFinalS = p.IsChecked(ParamId::chkDropFinalS);
  return r;
}

CommentMarkers UserMarkersFrom(const ParameterSet& p) {
  CommentMarkers m;
  m.strStartComment[0] = DecodeToCp1252(p.Text(ParamId::txbStartComment0));
  m.strEndComment[0] = DecodeToCp1252(p.Text(ParamId::txbEndComment0));
  m.strStartComment[1] = DecodeToCp1252(p.Text(ParamId::txbStartComment1));
  m.strEndComment[1] = DecodeToCp1252(p.Text(ParamId::txbEndComment1));
  return m;
}

MarkerValidation ValidateUserMarkers(const ParameterSet& p) {
  const AllowFlags allow = AllowFlagsFrom(p);
  return ValidateCommentMarkers(UserMarkersFrom(p), allow.blnAllowNumerals,
                                GetExtraWordChars(allow));
}

ScanSettings ScanSettingsFor(const ParameterSet& p, MarkerChoice choice) {
  ScanSettings s;
  const WordRules rules = WordRulesFrom(p);
  s.allow = rules.allow;
  s.blnCaseSignificant = rules.blnCaseSignificant;
  s.blnDropFinalS = rules.blnDropFinalS;
  s.chkAllowCommentMarkers = p.IsChecked(ParamId::chkAllowCommentMarkers);
  s.blnSuppressWords = p.IsChecked(ParamId::chkSuppressWords);
  switch (choice) {
    case MarkerChoice::Html:
      s.markers = SetCommentMarkers("HTML", {});
      s.blnIsCodeFile = true;
      break;
    case MarkerChoice::C:
      s.markers = SetCommentMarkers("C", {});
      s.blnIsCodeFile = true;
      break;
    case MarkerChoice::User:
      s.markers = SetCommentMarkers("as per user settings", UserMarkersFrom(p));
      break;
    case MarkerChoice::None:
      s.markers = SetCommentMarkers("", {});
      break;
  }
  return s;
}

MarkerChoice ClipboardMarkerChoice(const ParameterSet& p) {
  return p.IsChecked(ParamId::chkAllowCommentMarkers) ? MarkerChoice::User : MarkerChoice::None;
}

}  // namespace zet
