#pragma once
// Small helpers shared by the wizard windows for building controls from twips.
#include <QLabel>
#include <QPushButton>
#include <QPoint>
#include <QWidget>
#include <tuple>

#include "animace/wizard/image_box.h"
#include "desktop/desktop_services.h"

namespace animace {

inline constexpr char kWizardTitle[] = "Průvodce vytvořením nové animace";

// The window's fixed client area, title and font.
void SetUpWizardWindow(QWidget* window, const QString& name);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int height);
// An instruction label on light grey.
QLabel* MakeInstruction(QWidget* parent, const QString& text, int left, int top, int width, int height);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int height);
// A picture box of its picture's size at (left, top).
ImageBox* MakeImageBox(QWidget* parent, const QString& name, int left, int top);
// The hidden box "copyBox" through which a picture is copied into a strip.
ImageBox* MakeCopyBox(QWidget* parent, int left, int top);
// The row every step ends with, each button at its place in twips: the step's help (or about)
// button, "&Další >" and "Z&rušit".
std::tuple<QPushButton*, QPushButton*, QPushButton*> MakeStepButtons(QWidget* parent, const QString& firstName,
                                                                      const QString& firstCaption, QPoint first,
                                                                      QPoint next, QPoint cancel);
// A step's "Z&rušit" ends the program and its "C&o dál?" answers with `help`.
void ConnectCancelAndHelp(QPushButton* cancelButton, QPushButton* helpButton, desktop::DesktopServices& services,
                          const QString& help);

}  // namespace animace
