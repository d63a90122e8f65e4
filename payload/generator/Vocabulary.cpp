#include "Vocabulary.h"

namespace payload {

const std::vector<std::string>& CommonWords()
{
    static const std::vector<std::string> words = {
        "the", "a", "an", "of", "to", "in", "is", "for", "on", "with", "by", "from", "at", "as", "or", "and",
        "not", "be", "this", "that", "can", "must", "may", "will", "when", "if", "each", "all", "any", "no",
        "file", "files", "program", "programs", "module", "modules", "library", "statement", "function",
        "procedure", "variable", "variables", "array", "arrays", "string", "strings", "number", "numbers",
        "value", "values", "type", "types", "record", "records", "field", "fields", "buffer", "memory",
        "screen", "window", "cursor", "keyboard", "mouse", "printer", "device", "port", "disk", "drive",
        "directory", "path", "name", "names", "line", "lines", "column", "columns", "row", "rows", "page",
        "text", "character", "characters", "byte", "bytes", "integer", "long", "single", "double", "fixed",
        "open", "close", "read", "write", "print", "input", "output", "load", "save", "run", "stop", "start",
        "return", "returns", "call", "calls", "define", "declare", "use", "uses", "set", "sets", "get", "put",
        "change", "changes", "select", "choose", "press", "type", "enter", "exit", "quit", "edit", "compile",
        "link", "debug", "trace", "watch", "step", "search", "find", "replace", "copy", "move", "delete",
        "error", "errors", "overflow", "division", "zero", "range", "argument", "arguments", "parameter",
        "illegal", "invalid", "missing", "expected", "duplicate", "undefined", "unknown", "out", "space",
        "stack", "heap", "segment", "offset", "address", "pointer", "table", "list", "index", "key", "keys",
        "mode", "graphics", "color", "colors", "palette", "pixel", "pixels", "point", "points", "box",
        "menu", "menus", "dialog", "option", "options", "help", "topic", "topics", "example", "examples",
        "see", "also", "following", "previous", "next", "first", "last", "current", "default", "new", "old",
        "large", "small", "maximum", "minimum", "total", "size", "length", "count", "time", "date", "clock",
        "event", "events", "trap", "trapping", "handler", "routine", "routines", "block", "loop", "condition",
        "expression", "operator", "constant", "constants", "label", "labels", "reference", "object",
        "compiler", "linker", "editor", "environment", "command", "commands", "switch", "switches", "version",
    };
    return words;
}

const std::vector<std::string>& BasicKeywords()
{
    static const std::vector<std::string> keywords = {
        "ABS", "ASC", "ATN", "BEEP", "BLOAD", "BSAVE", "CALL", "CDBL", "CHAIN", "CHDIR", "CHR$", "CINT",
        "CIRCLE", "CLEAR", "CLNG", "CLOSE", "CLS", "COLOR", "COMMON", "CONST", "COS", "CSNG", "CSRLIN",
        "CVI", "DATA", "DATE$", "DECLARE", "DEFINT", "DIM", "DO", "DRAW", "END", "ENVIRON", "EOF", "ERASE",
        "ERDEV", "ERL", "ERR", "ERROR", "EXIT", "EXP", "FIELD", "FILES", "FIX", "FOR", "FRE", "FREEFILE",
        "FUNCTION", "GET", "GOSUB", "GOTO", "HEX$", "IF", "INKEY$", "INP", "INPUT", "INSTR", "INT", "IOCTL",
        "KEY", "KILL", "LBOUND", "LCASE$", "LEFT$", "LEN", "LET", "LINE", "LOC", "LOCATE", "LOCK", "LOF",
        "LOG", "LPOS", "LPRINT", "LSET", "LTRIM$", "MID$", "MKDIR", "MKI$", "NAME", "OCT$", "ON", "OPEN",
        "OPTION", "OUT", "PAINT", "PALETTE", "PCOPY", "PEEK", "PLAY", "PMAP", "POINT", "POKE", "POS",
        "PRESET", "PRINT", "PSET", "PUT", "RANDOMIZE", "READ", "REDIM", "RESET", "RESTORE", "RESUME",
        "RETURN", "RIGHT$", "RMDIR", "RND", "RSET", "RTRIM$", "RUN", "SCREEN", "SEEK", "SELECT", "SGN",
        "SHARED", "SHELL", "SIN", "SLEEP", "SOUND", "SPACE$", "SQR", "STATIC", "STOP", "STR$", "STRING$",
        "SUB", "SWAP", "SYSTEM", "TAB", "TAN", "TIMER", "TYPE", "UBOUND", "UCASE$", "VAL", "VARPTR", "VIEW",
        "WAIT", "WHILE", "WIDTH", "WINDOW", "WRITE",
    };
    return keywords;
}

const std::vector<std::string>& NameParts()
{
    static const std::vector<std::string> parts = {
        "Count", "Row", "Col", "Buffer", "Index", "Total", "Name", "File", "Line", "Item", "Key", "Value",
        "Text", "Width", "Height", "Top", "Left", "Color", "Attr", "Page", "Size", "Max", "Min", "Step",
        "Start", "Stop", "Last", "First", "Next", "Prev", "Temp", "Result", "Flag", "Mode", "Menu", "Box",
        "Win", "Edit", "Field", "Rec", "Table", "List", "Sort", "Find", "Char", "Str", "Num", "Sum", "Avg",
        "Date", "Time", "Day", "Month", "Year", "Rate", "Pay", "Loan", "Mouse", "Button", "Event", "Scan",
        "Pos", "Len", "Ptr", "Seg", "Off", "Handle", "Error", "Msg", "Help", "Title", "Shadow", "Frame",
    };
    return parts;
}

} // namespace payload
