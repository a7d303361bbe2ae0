// The framework's own messages, shown in its failure boxes (UTF-8).
#pragma once

#include <string_view>

namespace framework {

inline constexpr std::string_view kFailedMemoryAlloc = "ﾒﾓﾘが不足しています。";
inline constexpr std::string_view kFailedToLaunchHelp = "ﾍﾙﾌﾟの起動に失敗しました。";

}  // namespace framework
