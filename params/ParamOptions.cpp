#include "params/ParamOptions.h"

namespace zet {

using namespace param_options;

std::string_view ShortItem(std::string_view item) {
  constexpr std::string_view kBy = "by ";
  return item.starts_with(kBy) ? item.substr(kBy.size()) : item;
}

std::vector<std::pair<std::string, std::string>> ParametersInForce(const ParameterSet& params) {
  std::vector<std::pair<std::string, std::string>> in;
  for (const ParamOption& o : kParamOptions) {
    const std::string name(o.name.substr(2));
    const ParamInfo& info = GetParamInfo(o.id);
    const auto item = [&] {
      return std::string(ShortItem(info.items[static_cast<std::size_t>(params.Value(o.id))]));
    };
    switch (o.arg) {
      case Arg::Flag:
        if (params.Value(o.id) == o.value) in.emplace_back(name, "true");
        break;
      case Arg::Size:
        if (params.IsChecked(o.box)) in.emplace_back(name, item());
        break;
      case Arg::List:
      case Arg::Format:
        in.emplace_back(name, item());
        break;
      case Arg::Text:
        in.emplace_back(name, params.Text(o.id));
        break;
      case Arg::CommonWords:
        if (params.IsChecked(o.box)) in.emplace_back(name, params.Text(o.id));
        break;
      case Arg::Allow: {
        std::string list;
        for (const AllowName& a : kAllowNames)
          if (params.IsChecked(a.id) == (o.value == 1))
            list += (list.empty() ? "" : ",") + std::string(a.name);
        in.emplace_back(name, list);
        break;
      }
      case Arg::Markers:
        if (params.IsChecked(ParamId::chkAllowCommentMarkers))
          in.emplace_back(name, params.Text(ParamId::txbStartComment0) + " " +
                                    params.Text(ParamId::txbEndComment0));
        break;
    }
  }
  return in;
}

}  // namespace zet
