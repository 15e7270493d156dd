#pragma once
// The application object: reads the command line and starts the program in its fixed order. The
// window layer supplies the steps that need windows through StartupShell.

#include <string>
#include <vector>

namespace kip::app {

class StartupShell {
public:
    virtual ~StartupShell() = default;
    virtual void selectSettingsStore() = 0;
    virtual void showSplash() = 0; // the About box, closing itself after 2 seconds
    // Creates the document, the main frame and the view; the view's initial update opens the
    // database. Returns false when the program must end (the exit code is then known).
    // dataDirGiven: the folder came from the command line, so it is used as it is.
    virtual bool createMainWindow(const std::string& dataDirectory, bool dataDirGiven) = 0;
    virtual void showMainWindow(const std::string& caption) = 0;
    virtual int runEventLoop() = 0;
    virtual int exitCode() const = 0;
};

class CKipGolfApp {
public:
    static constexpr const char* dataDirOption = "/datadir=";
    static constexpr const char* caption = "Kip Golf";

    // Only the first argument after the program name counts, and only when it starts with exactly
    // "/datadir=".
    void parseCommandLine(const std::vector<std::string>& arguments);

    bool dataDirGiven() const { return dataDirGiven_; }
    const std::string& dataDirArgument() const { return dataDirArgument_; }

    // The data directory, ending in '/': the folder given on the command line as it is, or the
    // "KipGolf" folder inside the user's data folder. An empty "/datadir=" names the root.
    std::string dataDirectory(const std::string& userDataFolder) const;

    // Runs the start-up steps in order and then the event loop; returns the program's exit code.
    int run(StartupShell& shell, const std::string& userDataFolder);

private:
    bool dataDirGiven_ = false;
    std::string dataDirArgument_;
};

} // namespace kip::app
