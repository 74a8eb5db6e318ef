#pragma once

#include <optional>
#include <string>

namespace orvane {

class TProject;

// Rules a project must pass before it is handed to the engine.
class TProjectCheck {
public:
    // The warning of the first failed rule; nothing when the project may run.
    static std::optional<std::string> warning(const TProject& project);

private:
    static std::optional<std::string> stiffnessWarning(const TProject& project);
    static std::optional<std::string> slopeWarning(const TProject& project);
};

}  // namespace orvane
