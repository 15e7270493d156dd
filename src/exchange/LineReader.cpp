#include "exchange/LineReader.h"

#include <cstring>

namespace kip::exchange {

LineReader::LineReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

bool LineReader::refill() {
    if (!file_)
        return false;
    begin_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    if (end_ == 0 && std::ferror(file_.get()))
        failed_ = true;
    return end_ > 0;
}

LineReader::Status LineReader::next(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !refill()) {
            if (failed_)
                return Status::ReadError;
            if (!any)
                return Status::End;
            break;
        }
        any = true;
        const char* start = buffer_.data() + begin_;
        const auto* feed = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        const std::size_t length = feed ? static_cast<std::size_t>(feed - start) : end_ - begin_;
        // No line of any file we read is this long: say so at once rather than read on to a line
        // end that may never come.
        if (line.size() + length > maxLineLength)
            return Status::TooLong;
        line.append(start, length);
        begin_ += length;
        if (feed) {
            ++begin_;
            break;
        }
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return Status::Line;
}

} // namespace kip::exchange
