#pragma once
// Dialogs are model classes; the host shows a model (a Qt view in the program, a script in tests)
// and returns how the dialog ended.

namespace kip::platform {

inline constexpr int dialogOk = 1;
inline constexpr int dialogCancel = 2;

class DialogModel {
public:
    virtual ~DialogModel() = default;
};

class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual int run(DialogModel& model) = 0;
};

} // namespace kip::platform
