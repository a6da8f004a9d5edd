#include "engine/fortran_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

// std::to_chars is used throughout: it rounds the exact binary value
// half-to-even like printf but, unlike printf, never looks at the locale.

namespace torven::fmt {
namespace {

std::string Stars(int w) { return std::string(w > 0 ? w : 0, '*'); }

std::string RightAlign(const std::string& s, int w) {
  if (static_cast<int>(s.size()) > w) return Stars(w);
  return std::string(w - s.size(), ' ') + s;
}

// |v| rounded to `sig` significant digits: digits without the point, and the
// power of ten of the first digit. Zero gives exponent 0.
struct Scientific {
  std::string digits;
  int exponent = 0;
};

Scientific ToScientific(double v, int sig) {
  std::string buf(sig + 32, '\0');
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                           std::chars_format::scientific, sig - 1);
  std::string_view text(buf.data(), res.ptr - buf.data());
  const auto e = text.find('e');
  Scientific out;
  for (char c : text.substr(0, e))
    if (c != '.') out.digits += c;
  std::string_view exp = text.substr(e + 1);
  if (exp.front() == '+') exp.remove_prefix(1);
  std::from_chars(exp.data(), exp.data() + exp.size(), out.exponent);
  return out;
}

// "E+05"; empty when the exponent needs three digits, which the report
// treats as overflow instead of gfortran's letter-less "+100" form.
std::string Exponent(char letter, int exponent) {
  if (std::abs(exponent) > 99) return {};
  const int a = std::abs(exponent);
  return {letter, exponent < 0 ? '-' : '+', static_cast<char>('0' + a / 10),
          static_cast<char>('0' + a % 10)};
}

// Ew.d / Dw.d: 0.ddddE+xx, the leading zero only when there is room for it.
std::string ZeroLeadingExponential(double value, int w, int d, char letter) {
  if (!std::isfinite(value) || d < 1) return Stars(w);
  const Scientific s = ToScientific(value, d);
  const bool zero = s.digits.front() == '0';
  const std::string exp = Exponent(letter, zero ? 0 : s.exponent + 1);
  if (exp.empty()) return Stars(w);
  const std::string sign = std::signbit(value) ? "-" : "";
  std::string body = "." + s.digits + exp;
  if (static_cast<int>(sign.size() + body.size()) < w) body = "0" + body;
  return RightAlign(sign + body, w);
}

}  // namespace

std::string I(long long value, int w) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return RightAlign(std::string(buf, res.ptr), w);
}

// Negative values that round to zero keep their minus sign ("-0.000"), and the
// zero before the point is dropped only when that makes the field fit.
std::string F(double value, int w, int d) {
  if (!std::isfinite(value) || d < 0) return Stars(w);
  std::string buf(d + 340, '\0');
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                           std::chars_format::fixed, d);
  std::string body(buf.data(), res.ptr);
  if (d == 0) body += '.';
  const std::string sign = std::signbit(value) ? "-" : "";
  if (static_cast<int>(sign.size() + body.size()) > w && d > 0 && body[0] == '0')
    body.erase(0, 1);
  return RightAlign(sign + body, w);
}

std::string E(double value, int w, int d) {
  return ZeroLeadingExponential(value, w, d, 'E');
}

std::string D(double value, int w, int d) {
  return ZeroLeadingExponential(value, w, d, 'D');
}

std::string ES(double value, int w, int d) {
  if (!std::isfinite(value) || d < 0) return Stars(w);
  const Scientific s = ToScientific(value, d + 1);
  const std::string exp = Exponent('E', s.exponent);
  if (exp.empty()) return Stars(w);
  const std::string sign = std::signbit(value) ? "-" : "";
  return RightAlign(sign + s.digits.substr(0, 1) + "." + s.digits.substr(1) + exp, w);
}

std::string X(int n) { return std::string(n > 0 ? n : 0, ' '); }

// I2.2 semantics: zero-padded to two digits, anything wider is "**".
std::string TwoDigits(int value) {
  if (value < 0 || value > 99) return Stars(2);
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// Left-aligned, unlike Fortran's Aw which right-aligns a short string.
std::string Text(const std::string& text, int w) {
  if (w <= 0) return {};
  std::string out = text.substr(0, w);
  out.resize(w, ' ');
  return out;
}

std::string ListInt(long long value) { return " " + std::to_string(value); }

// 17 significant digits always read back to the same double. Non-finite
// values are spelled NaN / Infinity / -Infinity, which Fortran and strtod
// both accept.
std::string ListReal(double value) {
  if (std::isnan(value)) return "  NaN";
  if (std::isinf(value)) return value < 0 ? "  -Infinity" : "  Infinity";
  char buf[40];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 16);
  std::string out = "  " + std::string(buf, res.ptr);
  out[out.find('e')] = 'E';
  return out;
}

}  // namespace torven::fmt
