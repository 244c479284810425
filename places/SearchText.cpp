#include "places/SearchText.h"

#include <glib.h>

#include <algorithm>
#include <memory>

namespace tessaly {
namespace {

struct GFree {
  void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFree>;

bool isSeparator(gunichar c) {
  return g_unichar_isspace(c) || c == '-' || c == '.' || c == '\'' || c == 0x2010 || c == 0x2011 ||
         c == 0x2013 || c == 0x2019;
}

void appendFolded(std::string& result, gunichar c, const gchar* begin, const gchar* end, bool& blank) {
  if (isSeparator(c)) {
    if (!blank) result += ' ';
    blank = true;
    return;
  }
  result.append(begin, static_cast<std::size_t>(end - begin));
  blank = false;
}

// Most names are plain ASCII: folded here without the library's allocations,
// which would take most of the time the dialog needs to open.
std::string asciiSearchText(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  bool blank = true;
  for (char c : text) {
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    appendFolded(result, static_cast<gunichar>(lower), &lower, &lower + 1, blank);
  }
  if (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

}  // namespace

std::string searchText(std::string_view text) {
  if (std::all_of(text.begin(), text.end(), [](char c) { return c > 0 && static_cast<unsigned char>(c) < 0x80; }))
    return asciiSearchText(text);
  const GText valid(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())));
  const GText folded(g_utf8_casefold(valid.get(), -1));
  const GText apart(g_utf8_normalize(folded.get(), -1, G_NORMALIZE_NFKD));
  std::string result;
  if (!apart) return result;
  bool blank = true;  // no blank at the start, none twice
  for (const gchar* p = apart.get(); *p != '\0'; p = g_utf8_next_char(p)) {
    const gunichar c = g_utf8_get_char(p);
    if (g_unichar_type(c) != G_UNICODE_NON_SPACING_MARK) appendFolded(result, c, p, g_utf8_next_char(p), blank);
  }
  if (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

}  // namespace tessaly
