#pragma once

#include <QString>

#include <memory>

namespace zw {

// Owns the registry, the state, the real dialogs and sounds for one run of the program.
class Application {
public:
    Application();
    ~Application();
    // Runs the start-up, then opens `caseFile` (FILE.waris) when one was given; false when the
    // program already ended at the password.
    bool start(const QString& caseFile = {});

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zw
