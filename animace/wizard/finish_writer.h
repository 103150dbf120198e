#pragma once
// The finish step's glue around the writer: its questions become message boxes.
#include <QString>

#include "animace/writer/animated_cursor_writer.h"
#include "desktop/desktop_services.h"
#include "desktop/overwrite_question.h"

namespace animace {

using desktop::kOverwriteQuestion;
inline constexpr char kFailureSentence[] = "Chyba při provádění operace. Vložte správnou disketu, nebo stiskněte Storno.";
inline constexpr char kWrittenMessage[] = "Animace byla vytvořena.";

// Runs the writer with the busy pointer shown; asks and reports through message boxes.
WriteOutcome WriteWithMessages(const Animation& animation, const QString& outputPath,
                               desktop::DesktopServices& desktop);

}  // namespace animace
