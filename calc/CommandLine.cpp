#include "CommandLine.h"

#include "ModuleState.h"
#include "Numbers.h"

namespace calc {

std::string BuildCommandLine(std::string_view aText, std::string_view eText, std::string_view zText,
                             std::string_view compositionArgs, std::string_view densityText) {
    std::string command = "kelmo -a ";
    command += aText;
    command += " -e ";
    command += eText;
    command += " -z ";
    command += zText;
    command += compositionArgs;  // brings its own leading blank
    command += " -d ";
    command += densityText;
    return command;
}

RequestCheck CheckRequest(std::string_view aText, std::string_view eText, std::string_view zText,
                          std::string_view densityText) {
    const std::int32_t a = ReadInteger(aText);
    const std::int32_t z = ReadInteger(zText);
    const float energy = NarrowToFloat(ReadReal(eText));
    const float density = NarrowToFloat(ReadReal(densityText));
    // The real tests are written so that a value that is not a number fails them.
    return RequestCheck{a > 0 && energy > 0.0f && z >= 0, density > 0.0f};
}

CheckApplication ApplyRequestCheck(ModuleState& state, const RequestFields& fields, int componentCount) {
    const RequestCheck check = CheckRequest(fields.aText, fields.eText, fields.zText, fields.densityText);

    CheckApplication application;
    if (check.particleOk && check.densityOk) {
        state.ValidRequest = true;
        const int selected = componentCount - 1;  // -1 for an empty list: no selection
        application.selection = selected;
        application.totalComponents = FormatDecimal(componentCount);
        application.currentComponent = FormatDecimal(selected + 1);
        state.CommandLine =
            BuildCommandLine(fields.aText, fields.eText, fields.zText, state.CompositionArgs, fields.densityText);
        application.statusTexts.push_back(state.CommandLine);
    }
    if (!check.particleOk) application.statusTexts.emplace_back(kWrongParticle);
    if (!check.densityOk) application.statusTexts.emplace_back(kWrongDensity);
    return application;
}

}  // namespace calc
