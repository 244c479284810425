#include "app/PagePdf.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <memory>

namespace tessaly::cli {
namespace {

struct Size {
  double width, height;  // points, landscape
};
Size paperSize(Paper paper) { return paper == Paper::A4 ? Size{841.89, 595.28} : Size{792, 612}; }

constexpr double kMargin = 36;  // half an inch

struct CairoFree {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

void font(cairo_t* cr, const char* family, cairo_font_weight_t weight, double size) {
  cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, weight);
  cairo_set_font_size(cr, size);
}

double advance(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  return extents.x_advance;
}

void textAt(cairo_t* cr, double x, double y, const std::string& text) {
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

}  // namespace

std::string writePagePdf(const std::string& path, const almanac::PrintPage& page, Paper paper) {
  const Size size = paperSize(paper);
  std::unique_ptr<cairo_surface_t, CairoFree> surface(cairo_pdf_surface_create(path.c_str(), size.width, size.height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return cairo_status_to_string(cairo_surface_status(surface.get()));
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, page.title.c_str());
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Tessaly");
  {
    std::unique_ptr<cairo_t, CairoFree> owned(cairo_create(surface.get()));
    cairo_t* cr = owned.get();
    double y = kMargin + almanac::kTitlePoints;
    font(cr, "sans-serif", CAIRO_FONT_WEIGHT_BOLD, almanac::kTitlePoints);
    textAt(cr, kMargin, y, page.title);
    y += almanac::kPlacePoints * 2;
    font(cr, "sans-serif", CAIRO_FONT_WEIGHT_NORMAL, almanac::kPlacePoints);
    textAt(cr, kMargin, y, page.place);
    y += almanac::kPlacePoints;

    // The table's text as large as both the width and the height allow.
    font(cr, "monospace", CAIRO_FONT_WEIGHT_NORMAL, 1);
    double widest = 0;
    for (const std::string& line : page.lines) widest = std::max(widest, advance(cr, line));
    const double lines = static_cast<double>(page.lines.size()) + 1;  // the rule takes room too
    const double textSize = std::min({almanac::kLargestTablePoints, (size.width - 2 * kMargin) / std::max(widest, 1.0),
                                      (size.height - kMargin - y) / (lines * almanac::kTableLineSpacing)});
    cairo_set_font_size(cr, textSize);
    const double step = textSize * almanac::kTableLineSpacing;
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
      y += step;
      textAt(cr, kMargin, y, page.lines[i]);
      if (i == 0) {
        cairo_set_line_width(cr, 0.5);
        cairo_move_to(cr, kMargin, y + step * 0.4);
        cairo_line_to(cr, kMargin + widest * textSize, y + step * 0.4);
        cairo_stroke(cr);
        y += step * 0.5;
      }
    }
    cairo_show_page(cr);
  }
  cairo_surface_finish(surface.get());
  const cairo_status_t status = cairo_surface_status(surface.get());
  return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status);
}

}  // namespace tessaly::cli
