// Build-time tool: turns one data table (CSV, see data/README.md) into the rows of a C++ aggregate
// initialiser that data/src/tables.cpp includes.
//
//   csv_to_cpp <table.csv> <rows.inc> <expected header line> [string column,...]
//
// Comment lines (starting with '#') are dropped; the first other line must equal the expected header, so
// a table whose columns change breaks the build instead of shifting numbers into the wrong fields. Every
// data row becomes "{v1, v2, ...},  // <second field>": fields that read completely as numbers are written
// as they are, all others (and all fields of the named string columns) as string literals. tables.cpp
// gives each column its type, so the compiler rejects a text in a number column.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& line, char sep) {
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, sep)) out.push_back(field);
    if (!line.empty() && line.back() == sep) out.emplace_back();
    return out;
}

bool is_number(const std::string& s) {
    if (s.empty()) return false;
    double value = 0.0;
    const char* first = s.data();
    if (*first == '+') ++first;
    auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

std::string escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::cerr << "usage: csv_to_cpp <table.csv> <rows.inc> <expected header> [string columns]\n";
        return 2;
    }
    const std::string csv_path = argv[1];
    std::ifstream in(csv_path);
    if (!in) {
        std::cerr << "csv_to_cpp: cannot read " << csv_path << "\n";
        return 1;
    }
    const std::vector<std::string> string_columns = argc == 5 ? split(argv[4], ',') : std::vector<std::string>{};

    std::vector<std::string> header;
    std::ostringstream body;
    std::string line;
    int line_number = 0;
    int rows = 0;
    while (std::getline(in, line)) {
        ++line_number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (header.empty()) {
            if (line != argv[3]) {
                std::cerr << csv_path << ":" << line_number << ": header is\n  " << line << "\nexpected\n  "
                          << argv[3] << "\n";
                return 1;
            }
            header = split(line, ',');
            continue;
        }
        const std::vector<std::string> fields = split(line, ',');
        if (fields.size() != header.size()) {
            std::cerr << csv_path << ":" << line_number << ": " << fields.size() << " fields instead of "
                      << header.size() << "\n";
            return 1;
        }
        body << "    {";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            bool text = !is_number(fields[i]);
            for (const auto& c : string_columns) text = text || c == header[i];
            if (i > 0) body << ", ";
            if (text) {
                body << '"' << escape(fields[i]) << '"';
            } else {
                body << fields[i];
            }
        }
        body << "},  // " << (fields.size() > 1 ? fields[1] : fields[0]) << "\n";
        ++rows;
    }
    if (header.empty()) {
        std::cerr << csv_path << ": no header line\n";
        return 1;
    }
    std::ostringstream text;
    const auto slash = csv_path.find_last_of('/');
    text << "// Generated from data/csv/" << csv_path.substr(slash == std::string::npos ? 0 : slash + 1)
         << " by data/tools/csv_to_cpp.cpp. Do not edit: edit the CSV.\n// Columns: " << argv[3]
         << "\n// Rows: " << rows << "\n"
         << body.str();

    // Rewrite only when the text changes, so an unchanged table does not rebuild its users.
    {
        std::ifstream old(argv[2]);
        std::ostringstream old_text;
        old_text << old.rdbuf();
        if (old && old_text.str() == text.str()) return 0;
    }
    std::ofstream out(argv[2], std::ios::trunc);
    out << text.str();
    out.close();
    if (!out) {
        std::cerr << "csv_to_cpp: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
