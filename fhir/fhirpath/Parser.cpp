// Recursive-descent parser of FHIRPath with the grammar's precedence, lowest
// first: implies; or, xor; and; in, contains; = ~ != !~; < <= > >=; |; is, as;
// + - &; * / div mod; unary + -; invocation and indexer.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "fhir/fhirpath/Expression.h"

namespace fhir::path {

namespace {

struct FunctionSpec {
    const char* name;
    Function function;
    int minArgs;
    int maxArgs;
};

// ofType, as and is take a type name instead of an expression.
constexpr FunctionSpec kFunctions[] = {
    {"empty", Function::Empty, 0, 0},           {"exists", Function::Exists, 0, 1},
    {"not", Function::Not, 0, 0},               {"all", Function::All, 1, 1},
    {"allTrue", Function::AllTrue, 0, 0},       {"anyTrue", Function::AnyTrue, 0, 0},
    {"allFalse", Function::AllFalse, 0, 0},     {"anyFalse", Function::AnyFalse, 0, 0},
    {"where", Function::Where, 1, 1},           {"select", Function::Select, 1, 1},
    {"extension", Function::Extension, 1, 1},   {"resolve", Function::Resolve, 0, 0},
    {"ofType", Function::OfType, 1, 1},         {"as", Function::As, 1, 1},
    {"is", Function::Is, 1, 1},                 {"length", Function::Length, 0, 0},
    {"matches", Function::Matches, 1, 1},       {"replaceMatches", Function::ReplaceMatches, 2, 2},
    {"substring", Function::Substring, 1, 2},   {"indexOf", Function::IndexOf, 1, 1},
    {"startsWith", Function::StartsWith, 1, 1}, {"endsWith", Function::EndsWith, 1, 1},
    {"contains", Function::Contains, 1, 1},     {"upper", Function::Upper, 0, 0},
    {"lower", Function::Lower, 0, 0},           {"toString", Function::ToString, 0, 0},
    {"toInteger", Function::ToInteger, 0, 0},   {"hasValue", Function::HasValue, 0, 0},
    {"count", Function::Count, 0, 0},           {"distinct", Function::Distinct, 0, 0},
    {"isDistinct", Function::IsDistinct, 0, 0}, {"intersect", Function::Intersect, 1, 1},
    {"union", Function::Union, 1, 1},           {"combine", Function::Combine, 1, 1},
    {"exclude", Function::Exclude, 1, 1},       {"iif", Function::Iif, 2, 3},
    {"today", Function::Today, 0, 0},           {"now", Function::Now, 0, 0},
    {"children", Function::Children, 0, 0},     {"descendants", Function::Descendants, 0, 0},
    {"trace", Function::Trace, 1, 2},           {"first", Function::First, 0, 0},
    {"last", Function::Last, 0, 0},             {"tail", Function::Tail, 0, 0},
    {"skip", Function::Skip, 1, 1},             {"take", Function::Take, 1, 1},
    {"single", Function::Single, 0, 0},         {"htmlChecks", Function::HtmlChecks, 0, 0},
};

struct OperatorSpec {
    const char* text;
    Operator op;
    int level;  // 1 binds loosest
};

constexpr OperatorSpec kOperators[] = {
    {"implies", Operator::Implies, 1}, {"or", Operator::Or, 2},
    {"xor", Operator::Xor, 2},         {"and", Operator::And, 3},
    {"in", Operator::In, 4},           {"contains", Operator::ContainsOp, 4},
    {"=", Operator::Equal, 5},         {"!=", Operator::NotEqual, 5},
    {"~", Operator::Equivalent, 5},    {"!~", Operator::NotEquivalent, 5},
    {"<", Operator::Less, 6},          {"<=", Operator::LessOrEqual, 6},
    {">", Operator::Greater, 6},       {">=", Operator::GreaterOrEqual, 6},
    {"|", Operator::Union, 7},         {"+", Operator::Plus, 9},
    {"-", Operator::Minus, 9},         {"&", Operator::Concatenate, 9},
    {"*", Operator::Times, 10},        {"/", Operator::Divide, 10},
    {"div", Operator::Div, 10},        {"mod", Operator::Mod, 10},
};
constexpr int kTypeLevel = 8;
constexpr int kLoosest = 1;
constexpr int kTightest = 10;

struct VariableSpec {
    const char* name;
    Variable variable;
};

constexpr VariableSpec kVariables[] = {
    {"resource", Variable::Resource}, {"rootResource", Variable::RootResource}, {"context", Variable::Context},
    {"ucum", Variable::Ucum},         {"sct", Variable::Sct},                   {"loinc", Variable::Loinc},
};

constexpr const char* kCalendarUnits[] = {"year",    "years",  "month",  "months",  "week",   "weeks",
                                          "day",     "days",   "hour",   "hours",   "minute", "minutes",
                                          "second",  "seconds", "millisecond", "milliseconds"};

enum class Token : std::uint8_t { End, Identifier, String, Number, Temporal, Variable, Symbol };

class Parser {
public:
    explicit Parser(std::string_view source) : text_(source) { next(); }

    std::unique_ptr<Ast> parseAll() {
        auto ast = expression(kLoosest);
        if (token_ != Token::End) {
            fail("unexpected '" + std::string(lexeme_) + "'");
        }
        return ast;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw ParseError("FHIRPath error at " + std::to_string(start_) + ": " + what);
    }

    // ---- lexer ----
    void skipSpace() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (text_.compare(pos_, 2, "//") == 0) {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (text_.compare(pos_, 2, "/*") == 0) {
                const auto close = text_.find("*/", pos_ + 2);
                if (close == std::string_view::npos) fail("unclosed comment");
                pos_ = close + 2;
            } else {
                return;
            }
        }
    }

    static bool identStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
    static bool identChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

    void next() {
        skipSpace();
        start_ = pos_;
        tokenText_.clear();
        if (pos_ >= text_.size()) {
            token_ = Token::End;
            lexeme_ = {};
            return;
        }
        const char c = text_[pos_];
        if (identStart(c)) {
            while (pos_ < text_.size() && identChar(text_[pos_])) ++pos_;
            token_ = Token::Identifier;
            tokenText_ = std::string(text_.substr(start_, pos_ - start_));
        } else if (c == '`') {
            quoted('`');
            token_ = Token::Identifier;
        } else if (c == '\'') {
            quoted('\'');
            token_ = Token::String;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
            if (pos_ + 1 < text_.size() && text_[pos_] == '.' &&
                std::isdigit(static_cast<unsigned char>(text_[pos_ + 1]))) {
                ++pos_;
                while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
            }
            token_ = Token::Number;
            tokenText_ = std::string(text_.substr(start_, pos_ - start_));
        } else if (c == '@') {
            ++pos_;
            while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                           std::strchr("-:.+", text_[pos_]))) {
                ++pos_;
            }
            token_ = Token::Temporal;
            tokenText_ = std::string(text_.substr(start_ + 1, pos_ - start_ - 1));
        } else if (c == '%' || c == '$') {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '`' || text_[pos_] == '\'')) {
                quoted(text_[pos_]);
            } else {
                const std::size_t begin = pos_;
                while (pos_ < text_.size() && (identChar(text_[pos_]) || text_[pos_] == '-')) ++pos_;
                tokenText_ = std::string(text_.substr(begin, pos_ - begin));
            }
            if (tokenText_.empty()) fail("name expected after " + std::string(1, c));
            token_ = c == '%' ? Token::Variable : Token::Identifier;
            if (c == '$') tokenText_ = "$" + tokenText_;
        } else {
            static constexpr const char* kSymbols[] = {"<=", ">=", "!=", "!~", "(", ")", "[", "]", "{", "}",
                                                       ".", ",", "=", "~", "<", ">", "|", "+", "-", "&",
                                                       "*", "/"};
            for (const char* symbol : kSymbols) {
                if (text_.compare(pos_, std::strlen(symbol), symbol) == 0) {
                    pos_ += std::strlen(symbol);
                    token_ = Token::Symbol;
                    tokenText_ = symbol;
                    lexeme_ = text_.substr(start_, pos_ - start_);
                    return;
                }
            }
            fail(std::string("unexpected character '") + c + "'");
        }
        lexeme_ = text_.substr(start_, pos_ - start_);
    }

    void quoted(char quote) {
        ++pos_;
        while (true) {
            if (pos_ >= text_.size()) fail("unclosed quote");
            const char c = text_[pos_++];
            if (c == quote) return;
            if (c != '\\') {
                tokenText_ += c;
                continue;
            }
            if (pos_ >= text_.size()) fail("unclosed quote");
            const char e = text_[pos_++];
            switch (e) {
                case 'n': tokenText_ += '\n'; break;
                case 'r': tokenText_ += '\r'; break;
                case 't': tokenText_ += '\t'; break;
                case 'f': tokenText_ += '\f'; break;
                case 'u': {
                    if (pos_ + 4 > text_.size()) fail("short \\u escape");
                    const unsigned long code = std::strtoul(std::string(text_.substr(pos_, 4)).c_str(), nullptr, 16);
                    pos_ += 4;
                    appendUtf8(code);
                    break;
                }
                default: tokenText_ += e;  // \' \" \` \\ \/
            }
        }
    }

    void appendUtf8(unsigned long code) {
        if (code < 0x80) {
            tokenText_ += static_cast<char>(code);
        } else if (code < 0x800) {
            tokenText_ += static_cast<char>(0xC0 | (code >> 6));
            tokenText_ += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            tokenText_ += static_cast<char>(0xE0 | (code >> 12));
            tokenText_ += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            tokenText_ += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool isSymbol(const char* symbol) const { return token_ == Token::Symbol && tokenText_ == symbol; }
    bool isWord(const char* word) const { return token_ == Token::Identifier && lexeme_ == word; }
    void expect(const char* symbol) {
        if (!isSymbol(symbol)) fail(std::string("'") + symbol + "' expected");
        next();
    }

    // ---- grammar ----
    const OperatorSpec* binaryOperator() const {
        if (token_ != Token::Symbol && token_ != Token::Identifier) return nullptr;
        if (token_ == Token::Identifier && lexeme_.front() == '`') return nullptr;
        for (const auto& spec : kOperators) {
            if (tokenText_ == spec.text) return &spec;
        }
        return nullptr;
    }

    std::unique_ptr<Ast> expression(int level) {
        if (level > kTightest) return unary();
        if (level == kTypeLevel) {
            auto left = expression(level + 1);
            while (isWord("is") || isWord("as")) {
                auto node = std::make_unique<Ast>();
                node->kind = isWord("is") ? Ast::Kind::Is : Ast::Kind::As;
                next();
                node->name = typeSpecifier();
                node->operands.push_back(std::move(left));
                left = std::move(node);
            }
            return left;
        }
        auto left = expression(level + 1);
        while (const OperatorSpec* spec = binaryOperator()) {
            if (spec->level != level) break;
            next();
            auto node = std::make_unique<Ast>();
            node->kind = Ast::Kind::Binary;
            node->op = spec->op;
            node->operands.push_back(std::move(left));
            node->operands.push_back(expression(level + 1));
            left = std::move(node);
        }
        return left;
    }

    std::unique_ptr<Ast> unary() {
        if (isSymbol("-") || isSymbol("+")) {
            const bool negate = isSymbol("-");
            next();
            auto operand = unary();
            if (!negate) return operand;
            auto node = std::make_unique<Ast>();
            node->kind = Ast::Kind::Negate;
            node->operands.push_back(std::move(operand));
            return node;
        }
        return postfix(term());
    }

    std::unique_ptr<Ast> postfix(std::unique_ptr<Ast> left) {
        while (true) {
            if (isSymbol(".")) {
                next();
                auto node = std::make_unique<Ast>();
                node->kind = Ast::Kind::Invoke;
                node->operands.push_back(std::move(left));
                node->operands.push_back(invocation());
                left = std::move(node);
            } else if (isSymbol("[")) {
                next();
                auto node = std::make_unique<Ast>();
                node->kind = Ast::Kind::Indexer;
                node->operands.push_back(std::move(left));
                node->operands.push_back(expression(kLoosest));
                expect("]");
                left = std::move(node);
            } else {
                return left;
            }
        }
    }

    // A type name; the namespaces FHIR and System are dropped.
    std::string typeSpecifier() {
        if (token_ != Token::Identifier) fail("type name expected");
        std::string name = tokenText_;
        next();
        while (isSymbol(".")) {
            next();
            if (token_ != Token::Identifier) fail("type name expected");
            name = name == "FHIR" || name == "System" ? tokenText_ : name + "." + tokenText_;
            next();
        }
        return name;
    }

    std::unique_ptr<Ast> term() {
        auto node = std::make_unique<Ast>();
        switch (token_) {
            case Token::End: fail("expression expected");
            case Token::String:
                literal(*node, Value::ofString({}));
                next();
                return node;
            case Token::Number: return number();
            case Token::Temporal: return temporal();
            case Token::Variable: {
                node->kind = Ast::Kind::Variable;
                node->name = tokenText_;
                const auto known = std::find_if(std::begin(kVariables), std::end(kVariables),
                                                [&](const VariableSpec& v) { return tokenText_ == v.name; });
                if (known == std::end(kVariables)) fail("unknown variable %" + tokenText_);
                node->variable = known->variable;
                next();
                return node;
            }
            case Token::Symbol:
                if (isSymbol("(")) {
                    next();
                    auto inner = expression(kLoosest);
                    expect(")");
                    return inner;
                }
                if (isSymbol("{")) {
                    next();
                    expect("}");
                    return node;
                }
                fail("unexpected '" + tokenText_ + "'");
            case Token::Identifier:
                if (isWord("true") || isWord("false")) {
                    literal(*node, Value::ofBoolean(isWord("true")));
                    next();
                    return node;
                }
                return invocation();
        }
        fail("expression expected");
    }

    void literal(Ast& node, Value value) {
        node.kind = Ast::Kind::Literal;
        node.literalText = tokenText_;
        node.literal = value;
        if (value.type != Value::Type::Boolean && value.type != Value::Type::Integer &&
            value.type != Value::Type::Decimal) {
            node.literal.text = node.literalText;
        }
    }

    std::unique_ptr<Ast> number() {
        auto node = std::make_unique<Ast>();
        const std::string digits = tokenText_;
        const bool decimal = digits.find('.') != std::string::npos;
        next();
        // A quantity: the number followed by a unit string or a calendar unit.
        const bool calendar = token_ == Token::Identifier &&
                              std::any_of(std::begin(kCalendarUnits), std::end(kCalendarUnits),
                                          [&](const char* unit) { return lexeme_ == unit; });
        if (token_ == Token::String || calendar) {
            literal(*node, Value::ofQuantity(std::strtod(digits.c_str(), nullptr), {}));
            node->name = digits;  // the number, for telling equal subexpressions
            next();
            return node;
        }
        node->kind = Ast::Kind::Literal;
        node->literalText = digits;
        node->literal = decimal ? Value::ofDecimal(std::strtod(digits.c_str(), nullptr))
                                : Value::ofInteger(std::strtoll(digits.c_str(), nullptr, 10));
        return node;
    }

    std::unique_ptr<Ast> temporal() {
        auto node = std::make_unique<Ast>();
        Value::Type type = Value::Type::Date;
        if (!tokenText_.empty() && tokenText_.front() == 'T') {
            type = Value::Type::Time;
            tokenText_.erase(0, 1);
        } else if (tokenText_.find('T') != std::string::npos) {
            type = Value::Type::DateTime;
            if (tokenText_.back() == 'T') tokenText_.pop_back();
        }
        literal(*node, Value::ofTemporal(type, {}));
        next();
        return node;
    }

    std::unique_ptr<Ast> invocation() {
        if (token_ != Token::Identifier) fail("name expected");
        auto node = std::make_unique<Ast>();
        std::string name = tokenText_;
        next();
        if (name == "$this" || name == "$index" || name == "$total") {
            node->kind = name == "$this"    ? Ast::Kind::This
                         : name == "$index" ? Ast::Kind::IndexVariable
                                            : Ast::Kind::TotalVariable;
            return node;
        }
        if (!isSymbol("(")) {
            node->kind = Ast::Kind::Member;
            node->name = std::move(name);
            return node;
        }
        next();
        const auto spec = std::find_if(std::begin(kFunctions), std::end(kFunctions),
                                       [&](const FunctionSpec& f) { return name == f.name; });
        if (spec == std::end(kFunctions)) fail("unknown function " + name + "()");
        node->kind = Ast::Kind::Call;
        node->function = spec->function;
        if (spec->function == Function::OfType || spec->function == Function::As ||
            spec->function == Function::Is) {
            node->name = typeSpecifier();
            expect(")");
            return node;
        }
        if (!isSymbol(")")) {
            node->operands.push_back(expression(kLoosest));
            while (isSymbol(",")) {
                next();
                node->operands.push_back(expression(kLoosest));
            }
        }
        expect(")");
        const int count = static_cast<int>(node->operands.size());
        if (count < spec->minArgs || count > spec->maxArgs) fail("wrong number of arguments to " + name + "()");
        if ((spec->function == Function::Matches || spec->function == Function::ReplaceMatches) &&
            node->operands[0]->kind == Ast::Kind::Literal) {
            try {
                node->pattern = std::make_unique<std::regex>(node->operands[0]->literalText, std::regex::ECMAScript);
            } catch (const std::regex_error&) {
                fail("invalid regular expression '" + node->operands[0]->literalText + "'");
            }
        }
        return node;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t start_ = 0;
    Token token_ = Token::End;
    std::string_view lexeme_;
    std::string tokenText_;  // the token's text: unquoted, unescaped
};

}  // namespace

namespace {

// The numbers of equal subexpressions, shared by all parsed expressions.
std::uint32_t shapeOf(const std::string& canonical) {
    static std::mutex guard;
    static std::unordered_map<std::string, std::uint32_t> shapes;
    const std::lock_guard<std::mutex> lock(guard);
    return shapes.emplace(canonical, static_cast<std::uint32_t>(shapes.size() + 1)).first->second;
}

bool filters(Function function) {
    switch (function) {
        case Function::Where:
        case Function::Select:
        case Function::All:
        case Function::Exists:
        case Function::Resolve:
        case Function::Descendants: return true;
        default: return false;
    }
}

// The number of a subexpression: its own parts and the numbers of its
// operands. Invocations that involve a filter, a selection or a resolution
// keep it as their shape (`costly` tells the caller).
std::uint32_t describe(Ast& ast, bool& costly) {
    std::string key{static_cast<char>('A' + static_cast<int>(ast.kind)), static_cast<char>('A' + static_cast<int>(ast.op)),
                    static_cast<char>('A' + static_cast<int>(ast.function)),
                    static_cast<char>('A' + static_cast<int>(ast.variable)),
                    static_cast<char>('A' + static_cast<int>(ast.literal.type)), ast.literal.boolean ? 't' : 'f'};
    key += ast.name + '\x01' + ast.literalText + '\x01';
    bool inner = ast.kind == Ast::Kind::Call && filters(ast.function) &&
                 (ast.function != Function::Exists || !ast.operands.empty());
    for (auto& operand : ast.operands) {
        bool operandCostly = false;
        key += std::to_string(describe(*operand, operandCostly)) + ",";
        inner = inner || operandCostly;
    }
    const std::uint32_t number = shapeOf(key);
    costly = inner;
    if (costly && (ast.kind == Ast::Kind::Invoke || ast.kind == Ast::Kind::Call)) {
        ast.shape = number;
    }
    return number;
}

}  // namespace

Expression::Expression(std::string_view text) : text_(text), root_(Parser(text_).parseAll()) {
    bool costly = false;
    describe(*root_, costly);
}

}  // namespace fhir::path
