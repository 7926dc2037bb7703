#include "formbmi.h"

#include "about/maker.h"

namespace {

using enum Look;

using namespace FixedColour;
constexpr std::optional<Colour> Default;

constexpr FontSpec WindowFont{"Arial", 9, FontSpec::Regular};
constexpr FontSpec Arial825{"Arial", 8.25, FontSpec::Regular};
constexpr FontSpec Arial825Bold{"Arial", 8.25, FontSpec::Bold};
constexpr FontSpec Arial9Bold{"Arial", 9, FontSpec::Bold};
constexpr FontSpec Arial975{"Arial", 9.75, FontSpec::Regular};
constexpr FontSpec Arial975Bold{"Arial", 9.75, FontSpec::Bold};
constexpr FontSpec Arial975Italic{"Arial", 9.75, FontSpec::Italic};
constexpr FontSpec Arial975BoldUnderlined{"Arial", 9.75, FontSpec::Bold | FontSpec::Underline};
constexpr FontSpec Arial12Bold{"Arial", 12, FontSpec::Bold};
constexpr FontSpec MsSansSerif825{"MS Sans Serif", 8.25, FontSpec::Regular};

// Directly on the window: the banner row and the four frames.
constexpr ControlDef window[] = {
//   name                     kind           text                        left   top   width height  back     fore    font          tab  tooltip  look
    {"frmResults",            Kind::Frame,   "4. Weight Status",         {120, 3480, 5895, 1935}, Default, Navy,   Arial975Bold,  20, nullptr, Plain},
    {"txtTitle",              Kind::TextBox, "Verided DAR Uzed",         {  0,    0, 2655,  405}, Navy,    White,  Arial12Bold,   17, nullptr, Centred | ReadOnly},
    {"grpHeightAttributes",   Kind::Frame,   "1.Input Or Select Height", {120,  480, 5880,  735}, Default, Navy,   Arial975Bold,   0, nullptr, Plain},
    {"grpWeightAttributes",   Kind::Frame,   "2.Input Or Select Weight", {120, 1440, 5880,  855}, Default, Navy,   Arial975Bold,   8, nullptr, Plain},
    {"CalculateResultsFrame", Kind::Frame,   "3. Calculate",             {120, 2400, 5880,  940}, Default, Navy,   Arial975Bold,  13, nullptr, Plain},
    {"lblDescription",        Kind::Label,   "Body Mass Index (BMI) Can Help Determine If A Person Is Overweight.",
                                                                         {2640,   0, 3495,  405}, White,   Default, Arial825Bold, 18, nullptr, Centred},
};

constexpr ControlDef heightEntry[] = {
    {"cboFeet",        Kind::DropDownList, "",        {4080, 280, 1650, 360}, Default, Default, Arial975,       4, "Or Choose Height In Feet And Inches", Plain},
    {"rdoCentimetres", Kind::OptionButton, "Option2", {2520, 360,  255, 255}, Default, Default, MsSansSerif825, 3, "Click To Select Centimetres", Plain},
    {"rdoInches",      Kind::OptionButton, "Option1", {1080, 360,  255, 255}, Default, Default, MsSansSerif825, 2, "Click To Select Inches", Selected},
    {"txtHght",        Kind::TextBox,      "",        { 120, 280,  855, 360}, Default, Default, Arial975,       1, "Input Height Here", Plain},
    {"lblOr",          Kind::Label,        "or",      {3480, 360,  255, 255}, Default, Navy,    Arial975Italic, 14, "Or Choose Height In Feet And Inches", Plain},
    {"lblCentimetres", Kind::Label,        "cms",     {2760, 360,  495, 255}, Default, Navy,    Arial975,      10, nullptr, Plain},
    {"lblInches",      Kind::Label,        "inches",  {1440, 360,  615, 255}, Default, Navy,    Arial975Bold,   9, nullptr, Plain},
};

constexpr ControlDef weightEntry[] = {
    {"cboStone",     Kind::DropDownList, "",          {4080, 330, 1650, 345}, Default, Default, WindowFont,     16, nullptr, Plain},
    {"rdoKilograms", Kind::OptionButton, "kilograms", {2520, 360,  255, 255}, Default, Default, MsSansSerif825,  7, "Click To Select Kilograms", Plain},
    {"rdoPounds",    Kind::OptionButton, "pounds",    {1080, 360,  255, 255}, Default, Default, MsSansSerif825,  6, "Click To Select Pounds", Selected},
    {"txtWeight",    Kind::TextBox,      "",          { 120, 300,  855, 360}, Default, Default, Arial975,        5, "Input Weight Here", Plain},
    {"lblOrweight",  Kind::Label,        "or",        {3480, 360,  255, 255}, Default, Navy,    Arial975Italic, 15, nullptr, Plain},
    {"lblKilograms", Kind::Label,        "kilos",     {2760, 360,  495, 255}, Default, Navy,    Arial975,       12, nullptr, Plain},
    {"lblPounds",    Kind::Label,        "pounds",    {1440, 360,  855, 255}, Default, Navy,    Arial975Bold,   11, nullptr, Plain},
};

constexpr ControlDef calculation[] = {
    {"btnReset",     Kind::CommandButton, "Reset",        {5040, 480,  615, 255}, Default, Default,                 Arial825,     27, nullptr, Plain},
    {"btnCalculate", Kind::CommandButton, "CALCULATE",    { 240, 320, 1335, 495}, White,   Default,                 Arial825Bold, 19, "Press To Calculate BMI", DefaultButton},
    {"lblsqrd",      Kind::Label,         "2",            {4560, 360,  135, 200}, Default, SystemColour::WindowText, WindowFont,  34, nullptr, OnTop},
    {"lblKgM",       Kind::Label,         "kg/m",         {4200, 510,  495, 255}, Default, Default,                 WindowFont,   33, nullptr, Plain},
    {"lblResult",    Kind::Label,         "",             {3120, 440,  975, 285}, White,   SystemColour::WindowText, Arial12Bold, 30, "Body Mass Index Displayed Here", Bordered | Centred},
    {"lblBMIlabel",  Kind::Label,         "Your BMI is:", {1920, 500, 1095, 255}, Default, Navy,                    Arial975,     29, nullptr, Plain},
};

constexpr ControlDef weightStatus[] = {
    {"frmBMITable",    Kind::Frame, "",                             {3000,  240, 2775, 1410}, Default, Default,                  WindowFont,  21, nullptr, Plain},
    {"Label1",         Kind::Label, "Factors such as race and athleticism can influence weight status.  ",
                                                                    { 120,  720, 2775,  495}, Default, Default,                  Arial825,    35, nullptr, Centred},
    {"lblUrl",         Kind::Label, Maker::WebHost,                 { 480, 1320, 2175,  255}, Default, DarkBlue,                 Arial975BoldUnderlined, 32, nullptr, Link | OnTop},
    // Its text is the frame's own colour: the line is there, and not seen.
    {"lblFindOutMore", Kind::Label, "For more information visit: ", { 120, 1320, 2655,  255}, Default, SystemColour::ButtonFace, Arial825Bold, 31, nullptr, Plain},
    {"lblContext",     Kind::Label, "Weight Status is provided as a general guideline. ",
                                                                    {  45,  240, 3015,  495}, Default, Default,                  Arial825,    28, nullptr, Centred},
};

// Each row of the table is 2752 wide and 255 high at Left 8.
constexpr ControlDef statusTable[] = {
    {"lblStatusTitle", Kind::Label, "          BMI           WEIGHT STATUS ", {8,  120, 2752, 255}, Navy,  SystemColour::HighlightText, Arial9Bold, 26, nullptr, Plain},
    {"lblStatus1",     Kind::Label, "   Below 18.5         Underweight",     {8,  370, 2752, 255}, White, Default,                     WindowFont, 25, nullptr, Plain},
    {"lblStatus2",     Kind::Label, "    18.5 - 24.9              Normal",   {8,  625, 2752, 255}, White, Black,                       WindowFont, 24, nullptr, Plain},
    {"lblStatus3",     Kind::Label, "    25.0 - 29.9           Overweight",  {8,  880, 2752, 255}, White, Default,                     WindowFont, 23, nullptr, Plain},
    {"lblStatus4",     Kind::Label, " 30.0 and Above         Obese",         {8, 1135, 2752, 255}, White, Default,                     WindowFont, 22, nullptr, Plain},
};

constexpr ContainerDef containers[] = {
    {nullptr, window},
    {"grpHeightAttributes", heightEntry},
    {"grpWeightAttributes", weightEntry},
    {"CalculateResultsFrame", calculation},
    {"frmResults", weightStatus},
    {"frmBMITable", statusTable},
};

// The option buttons' own captions are clipped and say nothing; the lists and
// the result keep their shown text as what is read.
constexpr AccessibleDef accessible[] = {
    {"txtHght",        "Height",      nullptr},
    {"rdoInches",      "inches",      nullptr, "lblInches"},
    {"rdoCentimetres", "centimetres", nullptr, "lblCentimetres"},
    {"cboFeet",        nullptr,       "Height in feet and inches"},
    {"txtWeight",      "Weight",      nullptr},
    {"rdoPounds",      "pounds",      nullptr, "lblPounds"},
    {"rdoKilograms",   "kilograms",   nullptr, "lblKilograms"},
    {"cboStone",       nullptr,       "Weight in stone and pounds"},
    {"lblResult",      nullptr,       "Your BMI"},
};

constexpr MenuItemDef fileMenu[] = {{"mnuFileExit", "&Exit"}};
constexpr MenuItemDef helpMenu[] = {{"mnuAbout", "&About"}};
constexpr MenuDef menus[] = {
    {"mnuFile", "&File", fileMenu},
    {"mnuHelpAbout", "&Help", helpMenu},
};

}

const FormDef FormBMI::Layout{"FormBMI", "Verided DAR Uzed 1.1", {6120, 5505}, WindowFont, containers, menus, accessible};
