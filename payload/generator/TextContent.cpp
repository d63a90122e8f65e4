#include "TextContent.h"

#include "Vocabulary.h"

#include <functional>
#include <set>
#include <stdexcept>
#include <vector>

namespace payload {
namespace {

std::string Upper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    return text;
}

std::string Capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 32);
    }
    return text;
}

std::string Words(Prng& prng, int count)
{
    const auto& vocabulary = CommonWords();
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += ' ';
        }
        text += prng.Pick(vocabulary);
    }
    return text;
}

// Collects lines until the next one would not leave room for the closing line, then closes with a
// comment or rule line that makes the text exactly size bytes long.
std::string FillLines(std::size_t size, const std::string& closingLead, char closingFill,
                      const std::function<std::vector<std::string>()>& nextLines)
{
    if (size < closingLead.size() + 2) {
        throw std::runtime_error("text file too small for its closing line");
    }
    std::string text;
    bool full = false;
    while (!full) {
        for (const std::string& line : nextLines()) {
            if (text.size() + line.size() + 2 + closingLead.size() + 2 > size) {
                full = true;
                break;
            }
            text += line;
            text += "\r\n";
        }
    }
    std::size_t fill = size - text.size() - closingLead.size() - 2;
    text += closingLead;
    text.append(fill, closingFill);
    text += "\r\n";
    return text;
}

class BasicWriter {
public:
    explicit BasicWriter(Prng& prng) : prng(prng)
    {
        const auto& parts = NameParts();
        for (int i = 0; i < 12; ++i) {
            procedures.push_back(prng.Pick(parts) + prng.Pick(parts));
        }
        // Single words that BASIC reserves cannot be variable names; such names get a second part.
        static const std::set<std::string> reserved = {"date", "time", "width", "key", "name", "field", "str",
                                                       "seg", "off", "step", "stop", "line", "color", "len",
                                                       "pos", "error", "event"};
        while (variables.size() < 20) {
            std::string name = prng.Pick(parts);
            name[0] = static_cast<char>(name[0] + 32);
            if (reserved.count(name) > 0 || prng.Chance(0.5)) {
                name += prng.Pick(parts);
            }
            variables.push_back(name + (prng.Chance(0.3) ? "%" : ""));
        }
    }

    std::vector<std::string> Header()
    {
        return {"' " + Capitalised(Words(prng, 6)), "' " + Capitalised(Words(prng, 8)), "'",
                "DEFINT A-Z", ""};
    }

    std::vector<std::string> Declarations()
    {
        std::vector<std::string> lines;
        switch (prng.Below(4)) {
        case 0:
            lines.push_back("DECLARE SUB " + prng.Pick(procedures) + " (" + prng.Pick(variables) + ", " +
                            prng.Pick(variables) + ")");
            break;
        case 1:
            lines.push_back("CONST " + Upper(prng.Pick(NameParts())) + Upper(prng.Pick(NameParts())) + " = " +
                            std::to_string(prng.Below(1000)));
            break;
        case 2: {
            std::string typeName = prng.Pick(NameParts()) + "Type";
            lines.push_back("TYPE " + typeName);
            for (std::uint32_t fields = 2 + prng.Below(5); fields > 0; --fields) {
                static const char* const types[] = {"INTEGER", "LONG", "SINGLE", "DOUBLE", "STRING * 20"};
                lines.push_back("    " + prng.Pick(NameParts()) + " AS " + prng.Pick(types));
            }
            lines.push_back("END TYPE");
            lines.push_back("");
            break;
        }
        default:
            lines.push_back("DECLARE FUNCTION " + prng.Pick(procedures) + "% (" + prng.Pick(variables) + ")");
            break;
        }
        return lines;
    }

    std::vector<std::string> Procedure()
    {
        std::vector<std::string> lines;
        const std::string& name = prng.Pick(procedures);
        lines.push_back("' " + Capitalised(Words(prng, prng.Between(4, 10))) + ".");
        lines.push_back("SUB " + name + " (" + prng.Pick(variables) + ", " + prng.Pick(variables) + ") STATIC");
        for (std::uint32_t statements = 4 + prng.Below(14); statements > 0; --statements) {
            Statement(lines, "    ");
        }
        lines.push_back("END SUB");
        lines.push_back("");
        return lines;
    }

private:
    std::string Expression()
    {
        static const char* const operators[] = {" + ", " - ", " * ", " \\ ", " MOD "};
        std::string text = prng.Pick(variables);
        if (prng.Chance(0.6)) {
            text += prng.Pick(operators);
            text += prng.Chance(0.5) ? prng.Pick(variables) : std::to_string(prng.Below(100));
        }
        return text;
    }

    void Statement(std::vector<std::string>& lines, const std::string& indent)
    {
        switch (prng.Below(8)) {
        case 0:
            lines.push_back(indent + prng.Pick(variables) + " = " + Expression());
            break;
        case 1:
            lines.push_back(indent + "FOR " + prng.Pick(variables) + " = 1 TO " + Expression());
            lines.push_back(indent + "    " + prng.Pick(variables) + " = " + Expression());
            lines.push_back(indent + "NEXT");
            break;
        case 2:
            lines.push_back(indent + "IF " + Expression() + " > " + std::to_string(prng.Below(50)) + " THEN");
            lines.push_back(indent + "    CALL " + prng.Pick(procedures) + "(" + Expression() + ", " +
                            prng.Pick(variables) + ")");
            lines.push_back(indent + "END IF");
            break;
        case 3:
            lines.push_back(indent + "LOCATE " + Expression() + ", " + std::to_string(1 + prng.Below(70)));
            lines.push_back(indent + "PRINT \"" + Capitalised(Words(prng, prng.Between(2, 6))) + "\";");
            break;
        case 4:
            lines.push_back(indent + "' " + Words(prng, prng.Between(3, 9)));
            break;
        case 5:
            lines.push_back(indent + "DO WHILE " + prng.Pick(variables) + " < " + Expression());
            lines.push_back(indent + "    " + prng.Pick(variables) + " = " + prng.Pick(variables) + " + 1");
            lines.push_back(indent + "LOOP");
            break;
        case 6:
            lines.push_back(indent + "COLOR " + std::to_string(prng.Below(16)) + ", " +
                            std::to_string(prng.Below(8)));
            break;
        default:
            lines.push_back(indent + "CALL " + prng.Pick(procedures) + "(" + Expression() + ", " +
                            prng.Pick(variables) + ")");
            break;
        }
    }

    Prng& prng;
    std::vector<std::string> procedures;
    std::vector<std::string> variables;
};

} // namespace

std::string GenerateBasicSource(std::size_t size, bool includeFile, Prng& prng)
{
    BasicWriter writer(prng);
    int block = 0;
    return FillLines(size, "'", '-', [&]() {
        ++block;
        if (block == 1) {
            return writer.Header();
        }
        if (includeFile || block < 5) {
            return writer.Declarations();
        }
        return writer.Procedure();
    });
}

std::string GenerateDocument(std::size_t size, Prng& prng)
{
    int block = 0;
    return FillLines(size, "", '=', [&]() {
        std::vector<std::string> lines;
        ++block;
        if (block % 6 == 1) {
            std::string heading = Upper(Words(prng, prng.Between(2, 4)));
            lines.push_back("");
            lines.push_back(heading);
            lines.push_back(std::string(heading.size(), '-'));
        }
        lines.push_back("");
        std::string line;
        for (std::uint32_t sentences = 2 + prng.Below(5); sentences > 0; --sentences) {
            std::string sentence = Capitalised(Words(prng, prng.Between(6, 18))) + ".";
            std::size_t start = 0;
            while (start < sentence.size()) {
                std::size_t end = sentence.find(' ', start);
                std::string word = sentence.substr(start, end == std::string::npos ? std::string::npos : end - start);
                if (!line.empty() && line.size() + 1 + word.size() > 76) {
                    lines.push_back(line);
                    line.clear();
                }
                line += (line.empty() ? "" : " ") + word;
                start = end == std::string::npos ? sentence.size() : end + 1;
            }
        }
        lines.push_back(line);
        return lines;
    });
}

} // namespace payload
