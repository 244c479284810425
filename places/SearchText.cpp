#include "places/SearchText.h"

#include <glib.h>

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

}  // namespace

std::string searchText(std::string_view text) {
  const GText valid(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())));
  const GText folded(g_utf8_casefold(valid.get(), -1));
  const GText apart(g_utf8_normalize(folded.get(), -1, G_NORMALIZE_NFKD));
  std::string result;
  if (!apart) return result;
  bool blank = true;  // no blank at the start, none twice
  for (const gchar* p = apart.get(); *p != '\0'; p = g_utf8_next_char(p)) {
    const gunichar c = g_utf8_get_char(p);
    if (g_unichar_type(c) == G_UNICODE_NON_SPACING_MARK) continue;
    if (isSeparator(c)) {
      if (!blank) result += ' ';
      blank = true;
      continue;
    }
    result.append(p, static_cast<std::size_t>(g_utf8_next_char(p) - p));
    blank = false;
  }
  if (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

}  // namespace tessaly
