#pragma once
// Every message box of the program goes through this one interface.

#include <string>

namespace kip::platform {

enum class Icon { None, Information, Question, Warning, Error };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

inline constexpr const char* defaultCaption = "KipGolf";

struct Message {
    std::string text;
    std::string caption = defaultCaption;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer show(const Message& message) = 0;
};

} // namespace kip::platform
