// Reader of data/fortran_formats.txt, the texts gfortran writes for the edit descriptors that
// report/fortran_format reproduces (see data/fortran_formats.f90 for the line forms and
// data/regenerate.sh to rebuild it). Shared by the report folder's tests; header-only because
// the folder's test executable is built from its *_test.cpp files alone.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct ReferenceInteger { std::string descriptor; long long value; std::string text; };
struct ReferenceReal { std::string descriptor; std::uint64_t bits; std::string text; };
struct ReferenceLimits { int W; std::uint64_t a_bits, b_bits, c_bits; };
struct ReferenceRecord { std::string name; std::string text; };

struct GfortranReference {
    bool loaded = false;
    std::vector<ReferenceInteger> integers;
    std::vector<ReferenceReal> reals;
    std::vector<ReferenceLimits> limits;
    std::vector<ReferenceRecord> records;
    std::map<std::pair<std::string, std::uint64_t>, std::string> real_text;  // by descriptor, bits
};

// A Fortran edit descriptor such as "I5", "F11.4" or "E15.7".
struct Descriptor { char kind; int w; int d; };

inline bool Parse_Descriptor(const std::string& text, Descriptor& descriptor) {
    descriptor.d = 0;
    char kind = '\0';
    int w = 0;
    int d = 0;
    if (std::sscanf(text.c_str(), "%c%d.%d", &kind, &w, &d) == 3) {
        descriptor = {kind, w, d};
        return kind == 'F' || kind == 'E';
    }
    if (std::sscanf(text.c_str(), "%c%d", &kind, &w) == 2 && kind == 'I') {
        descriptor = {kind, w, 0};
        return true;
    }
    return false;
}

inline double Double_From_Bits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

inline std::uint64_t Bits_Of_Double(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// The field between the first '[' and the last ']' of a line.
inline std::string Bracketed_Text(const char* line) {
    const char* open = std::strchr(line, '[');
    const char* close = std::strrchr(line, ']');
    if (open == nullptr || close == nullptr || close < open) return std::string();
    return std::string(open + 1, close);
}

inline std::string Without_Line_End(const char* line) {
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

inline GfortranReference Read_Gfortran_Reference() {
    GfortranReference reference;
    std::FILE* file = std::fopen(ORVANE_TEST_DATA_DIR "/report/data/fortran_formats.txt", "r");
    if (file == nullptr) return reference;
    char line[1024];
    char word[64];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        switch (line[0]) {
        case 'I': {
            long long value = 0;
            if (std::sscanf(line, "I %63s %lld", word, &value) == 2) {
                reference.integers.push_back({word, value, Bracketed_Text(line)});
            }
            break;
        }
        case 'R': {
            unsigned long long bits = 0;
            if (std::sscanf(line, "R %63s %llx", word, &bits) == 2) {
                reference.reals.push_back({word, bits, Bracketed_Text(line)});
                reference.real_text[{word, bits}] = Bracketed_Text(line);
            }
            break;
        }
        case 'L': {
            int W = 0;
            unsigned long long a = 0, b = 0, c = 0;
            if (std::sscanf(line, "L %d %llx %llx %llx", &W, &a, &b, &c) == 4) {
                reference.limits.push_back({W, a, b, c});
            }
            break;
        }
        case 'X': {
            char record[1024];
            if (std::sscanf(line, "X %63s", word) == 1 &&
                std::fgets(record, sizeof record, file) != nullptr) {
                reference.records.push_back({word, Without_Line_End(record)});
            }
            break;
        }
        default:
            break;
        }
    }
    std::fclose(file);
    reference.loaded = true;
    return reference;
}

// gfortran's text for a real under a descriptor, or "<no reference row ...>" when the table
// lacks that pair, which no formatter output can equal.
inline std::string Reference_Real_Text(const GfortranReference& reference,
                                       const std::string& descriptor, double x) {
    const auto found = reference.real_text.find({descriptor, Bits_Of_Double(x)});
    if (found == reference.real_text.end()) {
        char missing[96];
        std::snprintf(missing, sizeof missing, "<no reference row %s %016llx>", descriptor.c_str(),
                      static_cast<unsigned long long>(Bits_Of_Double(x)));
        return missing;
    }
    return found->second;
}
