#pragma once

#include <functional>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

// Serves lines to an import and runs an action before serving line `pause` (from 0),
// while the import's transaction is open.
class FluxEnPause : public std::streambuf {
  public:
    FluxEnPause(std::vector<std::string> lignes, std::size_t pause, std::function<void()> action)
        : lignes_(std::move(lignes)), pause_(pause), action_(std::move(action)) {}

  protected:
    int_type underflow() override {
        if (suivante_ == pause_ && action_) {
            std::exchange(action_, nullptr)();
        }
        if (suivante_ >= lignes_.size()) {
            return traits_type::eof();
        }
        courante_ = lignes_[suivante_++] + "\n";
        setg(courante_.data(), courante_.data(), courante_.data() + courante_.size());
        return traits_type::to_int_type(courante_[0]);
    }

  private:
    std::vector<std::string> lignes_;
    std::size_t pause_;
    std::function<void()> action_;
    std::size_t suivante_ = 0;
    std::string courante_;
};
