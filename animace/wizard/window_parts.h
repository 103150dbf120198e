#pragma once
// Small helpers shared by the wizard windows for building controls from twips.
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace animace {

inline constexpr char kWizardTitle[] = "Průvodce vytvořením nové animace";

// The window's fixed client area, title and font.
void SetUpWizardWindow(QWidget* window, const QString& name);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int height);
// An instruction label on light grey.
QLabel* MakeInstruction(QWidget* parent, const QString& text, int left, int top, int width, int height);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int height);

}  // namespace animace
