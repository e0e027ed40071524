// The scenario script's line parser: any script text is split into action
// lines or refused with a fault of the script, never anything else; and any
// words, quoted as a script writer quotes them, come back as they were.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/script/script_fault.h"
#include "forms/script/script_line.h"
#include "fuzz/scratch_file.h"

namespace {

using forms::script::Script;
using forms::script::ScriptFault;
using forms::script::ScriptLine;

// Every line of the text as a script, through to its end.
void ReadWholeScript(const std::string& text) {
  std::optional<Script> script;
  try {
    script = Script::FromText(text);
  } catch (const ScriptFault& fault) {
    // only the options of a "#!" first line are split at once
    FUZZ_CHECK(fault.line() == 1 && text.rfind("#!", 0) == 0);
    return;
  }
  int last = 0;
  try {
    for (;;) {
      const bool more = script->HasMore();
      const std::optional<ScriptLine> line = script->Next();
      FUZZ_CHECK(more == line.has_value());
      if (!line) break;
      FUZZ_CHECK(line->number > last && line->number == script->last_line() && !line->words.empty());
      last = line->number;
    }
  } catch (const ScriptFault& fault) {
    FUZZ_CHECK(fault.line() == script->last_line());
  }
}

// Quoted with \" and \\ as needed; a line end cannot be part of a line.
std::string Quoted(std::string_view word) {
  std::string quoted = "\"";
  for (const char c : word) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// The input cut at each NUL into words, written quoted on one line.
void QuotedWordsComeBack(std::string_view text) {
  std::vector<std::string> words;
  std::string line;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\0', start);
    words.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    line += (line.empty() ? "" : " \t ") + Quoted(words.back());
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  FUZZ_CHECK(forms::script::SplitScriptLine(line, 1) == words);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  ReadWholeScript(std::string(text));
  QuotedWordsComeBack(text);
  return 0;
}
