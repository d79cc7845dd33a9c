#pragma once

#include "core/BootData.h"

#include <cstdint>
#include <functional>

class IProgramHost;
class QDialog;
class QWidget;
class TImageList;
class TProgram;

// Shows a modal window; tests replace it to script the window.
using TRunModal = std::function<int(QDialog& window)>;

// Opens the cover window (property 11) or the information window (12) for
// `record`, as editing a Cover or Info cell asks. On Ok the new names or text
// go into the record; true when that changed it.
bool EditCoverOrInfo(QWidget* parent, TProgram& program, IProgramHost& host, const TImageList& images,
                     TBootData& record, int32_t property, const TRunModal& runModal);
