#include "kurzory/windows_scheme_folder.h"

#include "animace/writer/animated_cursor_writer.h"
#include "desktop/picture_loader.h"
#include "iconfile/icon_encoder.h"
#include "kurzory/install_inf.h"
#include "kurzory/messages.h"

namespace kurzory {
namespace {

std::vector<std::uint8_t> CursorBytes(const CursorStep& step) {
    std::vector<iconfile::CursorPicture> pictures;
    for (const SizedPicture& picture : step.pictures)
        pictures.push_back({desktop::RgbaOf(picture.picture), picture.hotSpotX, picture.hotSpotY});
    return iconfile::EncodeCursor(pictures);
}

std::string Failure(const iconfile::FileOutcome& outcome) { return FileFailureText(outcome.path(), outcome.reason()); }

// The animation through the suite's animated cursor writer: each step's pictures become one
// multi-size frame file first, in a scratch folder beside the output that is never put in place.
std::string WriteAnimation(const RoleCursor& cursor, const std::string& output) {
    OutputFolder scratch(output + ".snimky");
    if (auto created = scratch.Create(); !created.succeeded()) return Failure(created);
    animace::Animation input;
    for (std::size_t i = 0; i < cursor.steps.size(); ++i) {
        const std::string frame = std::to_string(i + 1) + ".cur";
        if (auto written = scratch.WriteFile(frame, CursorBytes(cursor.steps[i])); !written.succeeded())
            return Failure(written);
        input.frames.push_back(scratch.PathFor(frame));
        // The writer counts twentieths of a second; a set's own times are whole twentieths already.
        input.steps.push_back({static_cast<int>(i), std::max(1, (cursor.steps[i].jiffies + 1) / 3)});
    }
    std::string failure;
    const animace::WriteOutcome outcome = animace::WriteAnimatedCursor(
        input, output, [] { return animace::OverwriteAnswer::Yes; },
        [&](const std::string& reason, const std::string&, const std::string&) {
            failure = reason;
            return animace::FailureAnswer::Cancel;
        });
    if (outcome == animace::WriteOutcome::TooLarge) return TooLargeText(output);
    if (outcome != animace::WriteOutcome::Written) return FileFailureText(output, failure);
    return {};
}

}  // namespace

std::string WriteWindowsScheme(const CursorSet& set, OutputFolder& folder, const std::string& windows,
                               std::vector<std::string>& written) {
    if (auto made = folder.MakeFolder(windows); !made.succeeded()) return Failure(made);
    CursorScheme scheme;
    scheme.name = set.name;
    for (const RoleCursor& cursor : set.cursors) {
        const std::string name = std::string(cursor.role->windowsName) + (cursor.animated() ? ".ani" : ".cur");
        const std::string relative = windows + "/" + name;
        if (cursor.animated()) {
            if (std::string failure = WriteAnimation(cursor, folder.PathFor(relative)); !failure.empty()) return failure;
        } else if (auto outcome = folder.WriteFile(relative, CursorBytes(cursor.steps.front())); !outcome.succeeded()) {
            return Failure(outcome);
        }
        written.push_back(relative);
        scheme.files.push_back({cursor.role, name});
    }
    if (auto outcome = folder.WriteFile(windows + "/install.inf", InstallInfBytes(scheme)); !outcome.succeeded())
        return Failure(outcome);
    return {};
}

}  // namespace kurzory
