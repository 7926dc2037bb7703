#include "formabout.h"

#include "maker.h"

#include <QCloseEvent>

#include <string_view>

namespace {

using enum Look;

using FixedColour::Blue;
constexpr std::optional<Colour> Default;
constexpr FontSpec ToolkitFont{"Arial", 8.25, FontSpec::Regular};
constexpr FontSpec LinkFont{"Arial", 8.25, FontSpec::Underline};

constexpr ControlDef window[] = {
    {"lblWebsite", Kind::Frame, "", {120, 120, 3855, 3255}, Default, Default, ToolkitFont, 0, nullptr, Plain},
};

constexpr char SoftwarePage[] = "www.verided.example/software";
static_assert(std::string_view(SoftwarePage).starts_with(Maker::WebHost));

constexpr ControlDef content[] = {
//   name           kind                 text                                  left   top  width height  back     fore      font         tab tooltip  look
    {"lblAbout",    Kind::Label,         "Verided DAR Uzed",                   {120,  120, 1695, 255}, Default, Default,  ToolkitFont,  1, nullptr, Plain},
    {"Label1",      Kind::Label,         "Version 1.1",                        {120,  360,  855, 255}, Default, Default,  ToolkitFont,  2, nullptr, Plain},
    {"Label2",      Kind::Label,         "Copyright \u00A9 2026 Verided",      {120,  600, 2295, 255}, Default, Default,  ToolkitFont,  3, nullptr, Plain},
    {"Label3",      Kind::Label,         "Freeware: free to use and to share.", {120, 960, 3615, 735}, Default, Default,  ToolkitFont,  4, nullptr, Plain},
    {"Label4",      Kind::Label,         "",                                   {120, 1440, 3615, 375}, Default, Default,  ToolkitFont,  5, nullptr, OnTop},
    {"lblFeedBack", Kind::Label,         "Contact:",                           {240, 1920,  855, 255}, Default, Default,  ToolkitFont,  8, nullptr, Plain},
    {"lblEmail",    Kind::Label,         Maker::EmailAddress,                  {1200, 1920, 2055, 255}, Default, Blue,     LinkFont,    7, nullptr, Centred | Link},
    {"lblWebs",     Kind::Label,         "Web Site:",                          {240, 2280,  855, 255}, Default, Default,  ToolkitFont,  9, nullptr, Plain},
    {"lblUrl",      Kind::Label,         SoftwarePage,                         {1080, 2280, 2415, 255}, Default, Blue,     LinkFont,   10, nullptr, Link},
    {"cmdOk",       Kind::CommandButton, "OK",                                 {1320, 2640, 1095, 375}, Default, Default,  ToolkitFont,  6, nullptr, DefaultButton | CancelButton},
};

constexpr ContainerDef containers[] = {
    {nullptr, window},
    {"lblWebsite", content},
};

}

const FormDef FormAbout::Layout{"FormAbout", "About ", {4095, 3495}, ToolkitFont, containers, {}};

FormAbout::FormAbout(Form &owner)
    : Form(Layout), m_mainWindow(&owner)
{
    stayAbove(owner);
    connect(this, &Form::Load, this, &FormAbout::Form_Load);
    connect(cmdOk, &CommandButton::Click, this, &FormAbout::cmdOk_Click);
    connect(lblUrl, &Label::Click, this, &FormAbout::lblUrl_Click);
    connect(lblEmail, &Label::Click, this, &FormAbout::lblEmail_Click);
}

void FormAbout::Form_Load()
{
    if (m_mainWindow)
        m_mainWindow->setWindowEnabled(false);
}

void FormAbout::cmdOk_Click()
{
    if (m_mainWindow)
        m_mainWindow->setWindowEnabled(true);
    Unload();
}

// However else the window is closed, the main window takes input again first.
void FormAbout::closeEvent(QCloseEvent *event)
{
    if (m_mainWindow && !m_mainWindow->isEnabled())
        m_mainWindow->setWindowEnabled(true);
    Form::closeEvent(event);
}
