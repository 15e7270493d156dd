#pragma once
// What the scripting commands that run a window command share: the database opened as the program
// opens it, a prompter that keeps the messages until the outcome says where they belong, and a
// dialog host that plays the command line's values against the dialog models.

#include "cli/CliCommand.h"
#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

namespace kip::cli {

inline constexpr int exitDone = 0;
inline constexpr int exitRefused = 1;
inline constexpr int exitWriteFailed = 2;
inline constexpr int exitBadUsage = 64;

// Keeps every message; questions get the answer the command was asked for (Yes, unless told).
class KeptPrompter : public platform::Prompter {
public:
    platform::Answer show(const platform::Message& message) override;
    std::vector<platform::Message> messages;
    std::deque<platform::Answer> answers; // used before the default Yes / Ok
    // Prints the messages to standard output after success, to standard error otherwise.
    void print(Invocation& call, bool succeeded) const;
};

// One handler per dialog shown, the first one of the dialog's type; a dialog with no handler left
// counts as cancelled, so a command that would show its dialog again (after a refusal) ends there.
class PlayedDialogs : public platform::DialogHost {
public:
    template <class Model> void on(std::function<int(Model&)> handler) {
        handlers_.push_back({std::type_index(typeid(Model)), [handler](platform::DialogModel& m) {
                                 return handler(static_cast<Model&>(m));
                             }});
    }
    int run(platform::DialogModel& model) override;

private:
    struct Entry {
        std::type_index type;
        std::function<int(platform::DialogModel&)> play;
    };
    std::deque<Entry> handlers_;
};

// A dialog result where "the dialog stays open" ends the dialog as cancelled: there is no one to
// type a better value.
inline int closedOr(int result, int staysOpen) {
    return result == staysOpen ? platform::dialogCancel : result;
}

// The document of the data folder with its existing tables opened (never created) and the stored
// handicap rule in force.
struct CliSession {
    explicit CliSession(Invocation& call);
    // False after a message on standard error; exitCode() says why.
    bool open();
    int openFailure() const { return openFailure_; }

    Invocation& call;
    KeptPrompter prompter;
    PlayedDialogs dialogs;
    golfdb::CKipGolfDoc doc;

private:
    int openFailure_ = exitRefused;
};

// The course row of that name and tee; several rows (other city or state) are listed on standard
// error and refused, as is none.
std::optional<long> namedCourse(CliSession& session, const std::string& name, const std::string& tee);

// Pulls "--name VALUE" out of the arguments; nothing when absent, and bad set when the value is missing.
std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name, bool& bad);

} // namespace kip::cli
