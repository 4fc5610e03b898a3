// The texts of designs and of the window's menu in the three interface languages,
// UTF-8.
#pragma once

#include "base/input_table.h"
#include "base/texts3.h"

namespace orv {

struct DesignTexts {
  Texts3 menuButton;  // the button under MAIN
  Texts3 menuTip;     // its tooltip
  Texts3 designMenu, chartMenu, studyMenu, helpMenu;
  Texts3 open, save, saveAs, recent, noRecent;
  Texts3 shortcuts, about;
  Texts3 filter;       // the file dialogs' filter name for designs
  Texts3 openFailed;   // the box's first line over the fault's message
  Texts3 loss;         // %1: what will be lost, the items below
  Texts3 lossOneRun;   // one kept run
  Texts3 lossRuns;     // %1: how many kept runs, more than one
  Texts3 lossDesign;   // %1: the design's file name
  Texts3 lossUnnamed;  // changes to values not saved as a design
  Texts3 lossAnd;      // between the two
  Texts3 leave;        // the button that goes on and loses them
  Texts3 shortcutHeading, actionHeading;
  Texts3 startRun, cancelRun;
  Texts3 aboutText;  // what the program does, under its caption
  Texts3 inForce;    // heading of the inputs without a visible field that differ from their defaults
};
const DesignTexts& DesignText();

// A short name for an input the window shows no field of ("time step"); nullptr for
// the others.
const Texts3* HiddenInputName(Input input);

}  // namespace orv
