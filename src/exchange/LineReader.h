#pragma once
// Reads a text file line by line through a fixed buffer, so a file of any size is never held whole.
// A line ends at a line feed; a carriage return before it is not part of the line.

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace kip::exchange {

class LineReader {
public:
    // Lines longer than this are not lines of any file we read; next() reports them as soon as it
    // has read this far, and the reader is of no further use.
    static constexpr std::size_t maxLineLength = 64 * 1024;

    explicit LineReader(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }

    enum class Status { Line, End, TooLong, ReadError };
    // The next line into line (its end removed). End: no more lines; the text after the last line
    // feed counts as a line when there is any.
    Status next(std::string& line);

private:
    bool refill();

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::array<char, 64 * 1024> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool failed_ = false;
};

} // namespace kip::exchange
