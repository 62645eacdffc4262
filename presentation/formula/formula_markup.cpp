#include "presentation/formula/formula_markup.h"

#include <QString>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vorbento::formula {

namespace {

constexpr char16_t kMinus = u'\u2212';

bool is_operator(QChar c) { return c == u'=' || c == u'+' || c == u'*' || c == kMinus; }

bool is_special(QChar c) {
  return c.isSpace() || is_operator(c) || c == u'\\' || c == u'{' || c == u'}' || c == u'(' || c == u')' || c == u'[' ||
         c == u']' || c == u'_' || c == u'^';
}

// Latin letters on the main line are symbols and slant; the rest stands upright.
bool slanted(QChar c, bool in_script) { return !in_script && c.isLetter() && c.script() == QChar::Script_Latin; }

ItemPtr collect(std::vector<ItemPtr> items) {
  if (items.size() == 1) return std::move(items.front());
  return sequence(std::move(items));
}

class Parser {
 public:
  explicit Parser(QStringView s) : s_(s) {}

  ItemPtr parse() {
    std::vector<ItemPtr> items = parse_list(u'\0', false);
    return collect(std::move(items));
  }

 private:
  [[noreturn]] void fail(const char* what) const {
    throw std::invalid_argument(std::string("formula markup: ") + what + " at position " + std::to_string(pos_) +
                                " in \"" + s_.toString().toStdString() + "\"");
  }

  bool at_end() const { return pos_ >= s_.size(); }
  QChar peek() const { return s_[pos_]; }

  void skip_blanks() {
    while (!at_end() && peek().isSpace()) ++pos_;
  }

  void expect(char16_t c) {
    skip_blanks();
    if (at_end() || peek() != c) fail("missing bracket or brace");
    ++pos_;
  }

  // Items up to (not including) `close`; '\0' means up to the end of the text.
  std::vector<ItemPtr> parse_list(char16_t close, bool in_script) {
    std::vector<ItemPtr> items;
    for (;;) {
      skip_blanks();
      if (at_end()) {
        if (close != u'\0') fail("unclosed group");
        return items;
      }
      const QChar c = peek();
      if (c == close) return items;
      if (c == u'}' || c == u')' || c == u']') fail("unmatched closing bracket");
      if (c == u'_' || c == u'^') {
        if (items.empty()) fail("script without a base");
        items.back() = parse_scripts(std::move(items.back()));
      } else {
        items.push_back(parse_atom(in_script));
      }
    }
  }

  ItemPtr parse_scripts(ItemPtr base) {
    ItemPtr sub, sup;
    for (skip_blanks(); !at_end() && (peek() == u'_' || peek() == u'^'); skip_blanks()) {
      ItemPtr& slot = peek() == u'_' ? sub : sup;
      ++pos_;
      if (slot) fail("second script of the same kind");
      slot = parse_argument();
    }
    return scripts(std::move(base), std::move(sub), std::move(sup));
  }

  // A script: a braced group or a single character.
  ItemPtr parse_argument() {
    skip_blanks();
    if (at_end()) fail("missing script");
    if (peek() == u'{') return parse_braced(true);
    if (is_special(peek())) fail("missing script");
    return text(QString(s_[pos_++]), false);
  }

  ItemPtr parse_braced(bool in_script) {
    expect(u'{');
    std::vector<ItemPtr> items = parse_list(u'}', in_script);
    expect(u'}');
    return collect(std::move(items));
  }

  ItemPtr parse_atom(bool in_script) {
    const QChar c = peek();
    if (c == u'\\') return parse_command(in_script);
    if (c == u'{') return parse_braced(in_script);
    if (c == u'(' || c == u'[') {
      ++pos_;
      const char16_t close = c == u'(' ? u')' : u']';
      std::vector<ItemPtr> inner = parse_list(close, in_script);
      expect(close);
      return fenced(collect(std::move(inner)), c, QChar(close));
    }
    if (is_operator(c)) {
      ++pos_;
      return op(QString(c));
    }
    // A run of ordinary characters of one slant.
    const bool italic = slanted(c, in_script);
    const qsizetype start = pos_;
    while (!at_end() && !is_special(peek()) && slanted(peek(), in_script) == italic) ++pos_;
    return text(s_.mid(start, pos_ - start).toString(), italic);
  }

  ItemPtr parse_command(bool in_script) {
    const qsizetype start = ++pos_;
    while (!at_end() && peek().isLetter()) ++pos_;
    const QStringView name = s_.mid(start, pos_ - start);
    if (name == u"frac") {
      ItemPtr numerator = parse_braced(in_script);
      return fraction(std::move(numerator), parse_braced(in_script));
    }
    if (name == u"sqrt") return radical(parse_braced(in_script));
    fail("unknown command");
  }

  QStringView s_;
  qsizetype pos_ = 0;
};

// The linear reading of the same notation: one piece per item of a list.
struct Piece {
  enum Kind { term, op, fraction } kind = term;
  QString text;
  bool compound = false;  // a group holding an operator
};

class LinearReader {
 public:
  explicit LinearReader(QStringView s) : parser_check_(s), s_(s) {}

  QString read() {
    parser_check_.parse();  // the same errors as the typesetter
    std::vector<Piece> pieces = list(u'\0');
    if (!pieces.empty() && pieces.back().kind == Piece::op && pieces.back().text == u"=") pieces.pop_back();
    return join(pieces).text;
  }

 private:
  static Piece join(const std::vector<Piece>& pieces) {
    if (pieces.size() == 1) return pieces.front();
    Piece out;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      const Piece& p = pieces[k];
      if (p.kind == Piece::op) {
        out.compound = true;
        out.text += (k == 0 ? QString() : QStringLiteral(" ")) + p.text + QStringLiteral(" ");
      } else if (p.kind == Piece::fraction && k + 1 < pieces.size() && pieces[k + 1].text == u"*") {
        out.text += u'(' + p.text + u')';
      } else {
        out.text += p.text;
      }
    }
    out.text = out.text.trimmed();
    return out;
  }

  static QString superscript(const QString& power) {
    static constexpr char16_t kDigits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString out;
    for (QChar c : power) {
      if (!c.isDigit()) return QStringLiteral("^") + power;
      out += QChar(kDigits[c.digitValue()]);
    }
    return out;
  }

  static QString grouped(const Piece& p) { return p.compound ? u'(' + p.text + u')' : p.text; }

  void skip_blanks() {
    while (pos_ < s_.size() && s_[pos_].isSpace()) ++pos_;
  }

  std::vector<Piece> list(char16_t close) {
    std::vector<Piece> pieces;
    for (skip_blanks(); pos_ < s_.size() && s_[pos_] != close; skip_blanks()) {
      const QChar c = s_[pos_];
      if (c == u'_' || c == u'^') {
        ++pos_;
        const QString script = argument().text;
        pieces.back().text += c == u'_' ? u'_' + script : superscript(script);
        pieces.back().kind = Piece::term;
      } else {
        pieces.push_back(atom());
      }
    }
    return pieces;
  }

  Piece braced() {
    skip_blanks();
    ++pos_;  // '{'
    Piece p = join(list(u'}'));
    skip_blanks();
    ++pos_;  // '}'
    return p;
  }

  Piece argument() {
    skip_blanks();
    if (s_[pos_] == u'{') return braced();
    return {Piece::term, QString(s_[pos_++])};
  }

  Piece atom() {
    const QChar c = s_[pos_];
    if (c == u'{') return braced();
    if (c == u'\\') {
      const qsizetype start = ++pos_;
      while (pos_ < s_.size() && s_[pos_].isLetter()) ++pos_;
      if (s_.mid(start, pos_ - start) == u"sqrt") return {Piece::term, QStringLiteral("√(") + braced().text + u')'};
      const Piece numerator = braced();
      const Piece denominator = braced();
      return {Piece::fraction, grouped(numerator) + QStringLiteral(" / ") + grouped(denominator)};
    }
    if (c == u'(' || c == u'[') {
      ++pos_;
      const char16_t close = c == u'(' ? u')' : u']';
      Piece inner = join(list(close));
      ++pos_;
      return {Piece::term, c + inner.text + QChar(close)};
    }
    if (is_operator(c)) {
      ++pos_;
      return {Piece::op, QString(c)};
    }
    const qsizetype start = pos_;
    while (pos_ < s_.size() && !is_special(s_[pos_])) ++pos_;
    return {Piece::term, s_.mid(start, pos_ - start).toString()};
  }

  Parser parser_check_;
  QStringView s_;
  qsizetype pos_ = 0;
};

}  // namespace

ItemPtr parse_formula(QStringView markup) { return Parser(markup).parse(); }

QString linear_formula(QStringView markup) { return LinearReader(markup).read(); }

}  // namespace vorbento::formula
