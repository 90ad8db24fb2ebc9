#include "toolkit/description_parser.h"

#include <cctype>
#include <limits>

#include "toolkit/text_compare.h"

namespace {

enum class TokenKind { End, Identifier, Integer, String, Symbol, Binary };

struct Token {
  TokenKind kind = TokenKind::End;
  int line = 1;
  std::string text;  // identifier, string contents, symbol character, hex digits
  std::int64_t integer = 0;
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Lexer {
 public:
  Lexer(std::string_view text, const std::string& file) : text_(text), file_(file) {}

  [[noreturn]] void Fail(int line, const std::string& message) const {
    throw DescriptionError(file_, line, message);
  }

  Token Next() {
    SkipSpaceAndComments();
    Token token;
    token.line = line_;
    if (pos_ >= text_.size()) return token;
    const char c = text_[pos_];
    if (IsLetter(c)) return ReadIdentifier(token);
    if (IsDigit(c) || c == '-' || c == '$') return ReadInteger(token);
    if (c == '"') return ReadString(token);
    if (c == '{') return ReadBinary(token);
    if (c == '=' || c == ':' || c == '[' || c == ']' || c == ',' || c == '<' || c == '>') {
      ++pos_;
      token.kind = TokenKind::Symbol;
      token.text = std::string(1, c);
      return token;
    }
    Fail(line_, "unexpected character " + Printable(c));
  }

 private:
  static std::string Printable(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) return std::string("'") + c + "'";
    static const char kHex[] = "0123456789ABCDEF";
    return std::string("0x") + kHex[byte >> 4] + kHex[byte & 15];
  }

  void SkipSpaceAndComments() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        return;
      }
    }
  }

  Token ReadIdentifier(Token& token) {
    const std::size_t start = pos_;
    // Dots join the parts of a sub-property name ("Font.Height").
    while (pos_ < text_.size() && (IsLetter(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.')) ++pos_;
    token.kind = TokenKind::Identifier;
    token.text = std::string(text_.substr(start, pos_ - start));
    if (token.text.back() == '.' || token.text.find("..") != std::string::npos) {
      Fail(token.line, "malformed name \"" + token.text + "\"");
    }
    return token;
  }

  Token ReadInteger(Token& token) {
    bool negative = false;
    if (text_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    const bool hex = pos_ < text_.size() && text_[pos_] == '$';
    if (hex) ++pos_;
    const int base = hex ? 16 : 10;
    // Accumulated as a negative number so that the most negative value fits too.
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    int digits = 0;
    while (pos_ < text_.size()) {
      const int digit = hex ? HexDigitValue(text_[pos_]) : (IsDigit(text_[pos_]) ? text_[pos_] - '0' : -1);
      if (digit < 0) break;
      if (value < (kMin + digit) / base) Fail(token.line, "integer out of range");
      value = value * base - digit;
      ++digits;
      ++pos_;
    }
    if (digits == 0) Fail(token.line, "a number is expected");
    if (pos_ < text_.size() && (IsLetter(text_[pos_]) || IsDigit(text_[pos_]))) {
      Fail(token.line, "malformed number");
    }
    if (!negative && value == kMin) Fail(token.line, "integer out of range");
    token.kind = TokenKind::Integer;
    token.integer = negative ? value : -value;
    return token;
  }

  Token ReadString(Token& token) {
    ++pos_;  // opening quote
    token.kind = TokenKind::String;
    while (true) {
      if (pos_ >= text_.size()) Fail(token.line, "unterminated string");
      const char c = text_[pos_++];
      if (c == '"') return token;
      if (c == '\n' || c == '\r') Fail(token.line, "unterminated string");
      if (c != '\\') {
        token.text.push_back(c);
        continue;
      }
      if (pos_ >= text_.size()) Fail(token.line, "unterminated string");
      const char escaped = text_[pos_++];
      switch (escaped) {
        case '"': token.text.push_back('"'); break;
        case '\\': token.text.push_back('\\'); break;
        case 'n': token.text.push_back('\n'); break;
        case 'r': token.text.push_back('\r'); break;
        case 't': token.text.push_back('\t'); break;
        case 'x': {
          const int high = pos_ < text_.size() ? HexDigitValue(text_[pos_]) : -1;
          const int low = pos_ + 1 < text_.size() ? HexDigitValue(text_[pos_ + 1]) : -1;
          if (high < 0 || low < 0) Fail(token.line, "\\x needs two hex digits");
          token.text.push_back(static_cast<char>(high * 16 + low));
          pos_ += 2;
          break;
        }
        default: Fail(token.line, "unknown escape \\" + std::string(1, escaped));
      }
    }
  }

  Token ReadBinary(Token& token) {
    ++pos_;  // '{'
    token.kind = TokenKind::Binary;
    while (true) {
      SkipSpaceAndComments();
      if (pos_ >= text_.size()) Fail(token.line, "unterminated binary data");
      const char c = text_[pos_];
      if (c == '}') {
        ++pos_;
        break;
      }
      if (HexDigitValue(c) < 0) Fail(line_, "binary data holds a non-hex character " + Printable(c));
      token.text.push_back(c);
      ++pos_;
    }
    if (token.text.size() % 2 != 0) Fail(token.line, "binary data has an odd number of hex digits");
    return token;
  }

  std::string_view text_;
  const std::string& file_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

class Parser {
 public:
  Parser(std::string_view text, const std::string& file) : lexer_(text, file) { Advance(); }

  DescriptionObject ParseRoot() {
    DescriptionObject root = ParseObject(0);
    if (current_.kind != TokenKind::End) Fail("text after the end of the description");
    return root;
  }

  DescriptionValue ParseLoneValue() {
    DescriptionValue value = ParseValue(0);
    if (current_.kind != TokenKind::End) Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { lexer_.Fail(current_.line, message); }

  void Advance() { current_ = lexer_.Next(); }

  bool AtKeyword(std::string_view keyword) const {
    return current_.kind == TokenKind::Identifier && SameTextIgnoringCase(current_.text, keyword);
  }
  bool AtSymbol(char symbol) const {
    return current_.kind == TokenKind::Symbol && current_.text[0] == symbol;
  }
  void ExpectSymbol(char symbol) {
    if (!AtSymbol(symbol)) Fail(std::string("'") + symbol + "' expected");
    Advance();
  }
  std::string ExpectPlainIdentifier(const char* what) {
    if (current_.kind != TokenKind::Identifier || current_.text.find('.') != std::string::npos) {
      Fail(std::string(what) + " expected");
    }
    std::string text = current_.text;
    Advance();
    return text;
  }
  void CheckDepth(int depth) const {
    if (depth >= kMaxDescriptionNesting) Fail("nested too deeply");
  }

  DescriptionObject ParseObject(int depth) {
    CheckDepth(depth);
    if (!AtKeyword("object")) Fail("\"object\" expected");
    DescriptionObject object;
    object.line = current_.line;
    Advance();
    object.name = ExpectPlainIdentifier("object name");
    ExpectSymbol(':');
    object.class_name = ExpectPlainIdentifier("class name");
    while (!AtKeyword("end")) {
      if (current_.kind == TokenKind::End) Fail("\"end\" expected for object " + object.name);
      if (AtKeyword("object")) {
        object.children.push_back(ParseObject(depth + 1));
      } else {
        object.properties.push_back(ParseAssignment(depth));
      }
    }
    Advance();
    return object;
  }

  PropertyAssignment ParseAssignment(int depth) {
    if (current_.kind != TokenKind::Identifier) Fail("property name expected");
    PropertyAssignment assignment;
    assignment.line = current_.line;
    assignment.name = current_.text;
    Advance();
    ExpectSymbol('=');
    assignment.value = ParseValue(depth);
    return assignment;
  }

  DescriptionValue ParseValue(int depth) {
    DescriptionValue value;
    value.line = current_.line;
    switch (current_.kind) {
      case TokenKind::Integer:
        value.kind = ValueKind::Integer;
        value.integer = current_.integer;
        Advance();
        return value;
      case TokenKind::String:
        value.kind = ValueKind::String;
        value.text = current_.text;
        Advance();
        return value;
      case TokenKind::Identifier:
        value.kind = ValueKind::Identifier;
        value.text = current_.text;
        Advance();
        return value;
      case TokenKind::Binary:
        value.kind = ValueKind::Binary;
        value.bytes.reserve(current_.text.size() / 2);
        for (std::size_t i = 0; i < current_.text.size(); i += 2) {
          value.bytes.push_back(static_cast<std::uint8_t>(HexDigitValue(current_.text[i]) * 16 +
                                                          HexDigitValue(current_.text[i + 1])));
        }
        Advance();
        return value;
      case TokenKind::Symbol:
        if (AtSymbol('[')) return ParseSet(value);
        if (AtSymbol('<')) return ParseCollection(value, depth);
        break;
      case TokenKind::End:
        break;
    }
    Fail("a value is expected");
  }

  DescriptionValue ParseSet(DescriptionValue& value) {
    value.kind = ValueKind::Set;
    Advance();
    if (AtSymbol(']')) {
      Advance();
      return value;
    }
    while (true) {
      value.identifiers.push_back(ExpectPlainIdentifier("set element"));
      if (AtSymbol(']')) break;
      ExpectSymbol(',');
    }
    Advance();
    return value;
  }

  DescriptionValue ParseCollection(DescriptionValue& value, int depth) {
    CheckDepth(depth + 1);
    value.kind = ValueKind::Collection;
    Advance();
    while (!AtSymbol('>')) {
      if (!AtKeyword("item")) Fail("\"item\" or '>' expected");
      CollectionItemDescription item;
      item.line = current_.line;
      Advance();
      while (!AtKeyword("end")) {
        if (current_.kind == TokenKind::End) Fail("\"end\" expected for a collection item");
        item.properties.push_back(ParseAssignment(depth + 1));
      }
      Advance();
      value.items.push_back(std::move(item));
    }
    Advance();
    return value;
  }

  Lexer lexer_;
  Token current_;
};

}  // namespace

DescriptionObject ParseDescription(std::string_view text, const std::string& file_name) {
  return Parser(text, file_name).ParseRoot();
}

DescriptionValue ParseDescriptionValue(std::string_view text, const std::string& source_name) {
  return Parser(text, source_name).ParseLoneValue();
}
