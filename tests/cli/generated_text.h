// Input made on demand, so a test can feed the command line far more text than it could hold:
// `count` copies of one byte, then a short tail.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <streambuf>
#include <string>

namespace velmora::cli::test {

class GeneratedText : public std::streambuf {
  public:
    GeneratedText(std::size_t count, char byte, std::string tail)
        : left_(count), tail_(std::move(tail)) {
        chunk_.fill(byte);
    }

  protected:
    int_type underflow() override {
        if (left_ > 0) {
            const std::size_t n = std::min(left_, chunk_.size());
            left_ -= n;
            setg(chunk_.data(), chunk_.data(), chunk_.data() + n);
            return traits_type::to_int_type(chunk_[0]);
        }
        if (!tailGiven_ && !tail_.empty()) {
            tailGiven_ = true;
            setg(tail_.data(), tail_.data(), tail_.data() + tail_.size());
            return traits_type::to_int_type(tail_[0]);
        }
        return traits_type::eof();
    }

  private:
    std::size_t left_;
    std::string tail_;
    bool tailGiven_ = false;
    std::array<char, 65536> chunk_{};
};

}  // namespace velmora::cli::test
