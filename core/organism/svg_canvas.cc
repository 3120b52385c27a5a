#include "organism/svg_canvas.h"

#include <cstdio>
#include <span>
#include <utility>

#include "organism/dash_pattern.h"
#include "organism/draw_organism.h"
#include "organism/raster.h"

namespace vantrel {

namespace {

// A coordinate or length: whole numbers and halves come out exact, anything else with
// enough digits for a picture thousands of pixels wide.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

// The dashes of a pen in pixels: the style's pattern in pen widths, as the screen's pens
// lay them out (a pen thinner than a pixel counts as one pixel wide).
std::string DashArray(const Pen& pen) {
  const std::span<const double> pattern = DashPattern(pen.style);
  std::string dashes;
  for (const double length : pattern) {
    if (!dashes.empty()) dashes += ',';
    dashes += Number(length * (pen.width > 1 ? pen.width : 1));
  }
  return dashes;
}

}  // namespace

void SvgCanvas::SetPen(const Pen& pen) { pen_ = pen; }

void SvgCanvas::Line(Point from, Point to) {
  if (pen_.style == PenStyle::kInvisible) return;
  if (group_ != pen_) {
    CloseGroup();
    elements_ += "<g fill=\"none\" stroke=\"" + SvgColour(pen_.colour) + "\" stroke-width=\"" +
                 Number(pen_.width > 0 ? pen_.width : 1) +
                 "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    const std::string dashes = DashArray(pen_);
    if (!dashes.empty()) elements_ += " stroke-dasharray=\"" + dashes + "\"";
    // A pen of no width is one device pixel wide at any scale.
    if (pen_.width <= 0) elements_ += " vector-effect=\"non-scaling-stroke\"";
    elements_ += ">\n";
    group_ = pen_;
  }
  elements_ += "<line x1=\"" + Number(from.x + 0.5) + "\" y1=\"" + Number(from.y + 0.5) +
               "\" x2=\"" + Number(to.x + 0.5) + "\" y2=\"" + Number(to.y + 0.5) + "\"/>\n";
}

void SvgCanvas::FillRect(int left, int top, int width, int height, ColourNumber colour) {
  if (width <= 0 || height <= 0) return;
  CloseGroup();
  elements_ += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) +
               "\" width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) +
               "\" fill=\"" + SvgColour(colour) + "\"/>\n";
}

std::string SvgCanvas::TakeElements() && {
  CloseGroup();
  return std::move(elements_);
}

void SvgCanvas::CloseGroup() {
  if (!group_) return;
  elements_ += "</g>\n";
  group_.reset();
}

std::string SvgColour(ColourNumber colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

std::string EscapeXml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default: {
        // Control characters other than tab and line breaks are not allowed in XML 1.0;
        // other bytes past ASCII are read as Latin-1, as table files are, so that any ID
        // gives a well-formed document.
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') {
          escaped += '?';
        } else if (byte >= 0x80) {
          char reference[8];
          std::snprintf(reference, sizeof reference, "&#x%X;", byte);
          escaped += reference;
        } else {
          escaped += c;
        }
      }
    }
  }
  return escaped;
}

std::string SvgDocument(int width, int height, std::string_view title, std::string_view elements) {
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  std::string document =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n<title>" +
      EscapeXml(title) + "</title>\n";
  document += elements;
  document += "</svg>\n";
  return document;
}

std::string OrganismSvg(std::string_view dna) {
  SvgCanvas canvas;
  DrawOrganism(canvas, dna, kPictureSize, kPictureSize);
  return SvgDocument(kPictureSize, kPictureSize, "Organism " + std::string(dna),
                     std::move(canvas).TakeElements());
}

}  // namespace vantrel
