#include <gtest/gtest.h>

#include <map>
#include <set>

#include "main_window/form1_layout.h"
#include "main_window/options_layout.h"
#include "main_window/repeat_options.h"
#include "sequences_window/sequence_editor_layout.h"
#include "sequences_window/sequences_layout.h"

namespace mw {
namespace {

TEST(FormLayout, TwipsScaleByTheRealDpi)
{
    struct Case {
        int twips, dpi, pixels;
    };
    const Case cases[] = {
        {8040, 96, 536}, {9150, 96, 610}, {8040, 120, 670}, {8040, 144, 804}, {15, 96, 1}, {1, 96, 0}, {0, 144, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << "@" << c.dpi;
}

TEST(FormLayout, EveryControlSitsInsideItsContainer)
{
    for (const FormLayout* layout : {&form1Layout(), &optionsLayout(), &sequencesLayout(), &sequenceEditorLayout()})
    for (const ControlLayout& control : layout->controls) {
        const FormLayout& form = *layout;
        SCOPED_TRACE(std::string(form.name) + "." + std::string(control.name));
        const TwipsRect r = absoluteRect(form, control);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.left + r.width, form.clientWidth);
        EXPECT_LE(r.top + r.height, form.clientHeight);
        if (!control.container.empty()) {
            const ControlLayout* frame = findControl(form, control.container);
            ASSERT_NE(frame, nullptr);
            EXPECT_EQ(frame->kind, ControlKind::Frame);
            EXPECT_LE(control.left + control.width, frame->width);
            EXPECT_LE(control.top + control.height, frame->height);
        }
    }
}

TEST(Form1Layout, NamesIdsAndTabIndexesAreUnique)
{
    std::set<std::string_view> names;
    std::set<int> ids, tabs;
    for (const ControlLayout& control : form1Layout().controls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        EXPECT_TRUE(ids.insert(control.id).second) << control.name;
        EXPECT_TRUE(tabs.insert(control.tabIndex).second) << control.name;
    }
    EXPECT_EQ(names.size(), 13u);
}

TEST(Form1Layout, TabOrderRunsFromTheWindowListToTheStartupOptions)
{
    std::vector<std::pair<int, std::string_view>> order;
    for (const ControlLayout& control : form1Layout().controls) order.emplace_back(control.tabIndex, control.name);
    std::sort(order.begin(), order.end());
    std::vector<std::string_view> names;
    for (const auto& [tab, name] : order) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"ListView1", "Frame1", "Text2", "ListView2", "Frame2",
                                                     "PushButton3", "ProgressBar1", "PushButton1", "PushButton4",
                                                     "PushButton2", "Frame3", "Check4", "Check8"}));
}

TEST(OptionsLayout, EachFieldFollowsTheLabelThatNamesItWithItsRangeAndNoAccessKeyIsTwice)
{
    const FormLayout& form = optionsLayout();
    std::map<int, const ControlLayout*> byTab;
    std::set<char> keys;
    for (const ControlLayout& control : form.controls) {
        EXPECT_TRUE(byTab.emplace(control.tabIndex, &control).second) << control.name;
        if (const std::size_t amp = control.text.find('&'); amp != std::string_view::npos) {
            EXPECT_TRUE(keys.insert(static_cast<char>(std::tolower(control.text[amp + 1]))).second) << control.name;
        }
    }
    EXPECT_EQ(keys.size(), 9u) << "one for each field and on/off box";
    for (std::size_t i = 0; i < kNumberOptions.size(); ++i) {
        const NumberOption& option = kNumberOptions[i];
        const ControlLayout* field = findControl(form, option.setting);
        ASSERT_NE(field, nullptr) << option.setting;
        EXPECT_EQ(field->id, options_id::kNumberFields[i]);
        std::string label(byTab.at(field->tabIndex - 1)->text);
        std::erase(label, '&');
        // The name the messages use, then the range they state.
        EXPECT_EQ(label.rfind(option.name, 0), 0u) << label;
        EXPECT_NE(label.find(std::to_string(option.min) + " to " + std::to_string(option.max)), std::string::npos)
            << label;
    }
}

TEST(Form1Layout, ButtonsUseTheLargerFontAndTheMinimisedBoxStartsHidden)
{
    const FormLayout& form = form1Layout();
    for (const ControlLayout& control : form.controls) {
        const int expected = control.kind == ControlKind::PushButton ? 1125 : 900;
        EXPECT_EQ(control.font.hundredthsOfPoint, expected) << control.name;
        EXPECT_EQ(control.font.face, "Arial");
        EXPECT_TRUE(control.font.bold);
        EXPECT_EQ(control.visible, control.name != "Check8") << control.name;
    }
}

TEST(SequenceLayouts, IdsTabStopsAndAccessKeysAreUniqueAndEachLabelLeadsToItsField)
{
    for (const FormLayout* form : {&sequencesLayout(), &sequenceEditorLayout()}) {
        SCOPED_TRACE(std::string(form->name));
        std::set<int> ids;
        std::map<int, const ControlLayout*> byTab;
        std::set<char> keys;
        for (const ControlLayout& control : form->controls) {
            EXPECT_TRUE(ids.insert(control.id).second) << control.name;
            EXPECT_TRUE(byTab.emplace(control.tabIndex, &control).second) << control.name;
            if (const std::size_t amp = control.text.find('&'); amp != std::string_view::npos) {
                EXPECT_TRUE(keys.insert(static_cast<char>(std::tolower(control.text[amp + 1]))).second)
                    << control.name;
            }
        }
        // A label's access key puts the focus in the control after it.
        for (const auto& [tab, control] : byTab) {
            if (control->kind != ControlKind::Label || control->text.find('&') == std::string_view::npos) continue;
            ASSERT_TRUE(byTab.count(tab + 1)) << control->name;
            const ControlKind next = byTab.at(tab + 1)->kind;
            EXPECT_TRUE(next != ControlKind::Label && next != ControlKind::Frame) << control->name;
        }
    }
}

}  // namespace
}  // namespace mw
