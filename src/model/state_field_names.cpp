#include "model/state_field_names.h"

#include <array>
#include <utility>

namespace vantrel {

std::optional<Field> stateFieldByName(std::string_view name) {
    static constexpr std::pair<std::string_view, Field> Fields[] = {
        {"Config_File", field::Config_File},
        {"Back_Card", field::Back_Card},
        {"Card", field::Card},
        {"Background_def", field::Background_def},
        {"Background_Col", field::Background_Col},
        {"Background_bmp", field::Background_bmp},
        {"Background_Fixed_Col", field::Background_Fixed_Col},
        {"Game", field::Game},
        {"Show_Time", field::Show_Time},
        {"Cards_Animate", field::Cards_Animate},
        {"Language", field::Language},
        {"Speed_Move_Card", field::Speed_Move_Card},
        {"StatusBar", field::StatusBar},
        {"UserDefault", field::UserDefault},
        {"Scoring_System", field::Scoring_System},
        {"Score", field::Score},
        {"Card_Size", field::Card_Size},
        {"Saved_Card", field::Saved_Card},
        {"Saved_Back_Card", field::Saved_Back_Card},
        {"Fade_Background", field::Fade_Background},
        {"Show_Score", field::Show_Score},
        {"Winning_Animation", field::Winning_Animation},
        {"Sounds_Enabled", field::Sounds_Enabled},
        {"Sounds_About", field::Sounds_About},
        {"Sounds_Autoplay", field::Sounds_Autoplay},
        {"Sounds_GameWon", field::Sounds_GameWon},
        {"Sounds_NewGame", field::Sounds_NewGame},
        {"Sounds_Shuffle", field::Sounds_Shuffle},
        {"Deal_Number", field::Deal_Number},
        {"Cursor_Base", field::Cursor_Base},
        {"Sounds_Pairing", field::Sounds_Pairing},
        {"Sounds_Stock", field::Sounds_Stock},
        {"Sounds_Tableau", field::Sounds_Tableau},
        {"Cards_Shadowed", field::Cards_Shadowed},
        {"Piles_TT", field::Piles_TT},
        {"Sounds_FaceUp", field::Sounds_FaceUp},
        {"Sounds_CardDown", field::Sounds_CardDown},
        {"Sounds_CardUp", field::Sounds_CardUp},
        {"Sounds_Redeal", field::Sounds_Redeal},
        {"Sounds_Foundation", field::Sounds_Foundation},
        {"ConfirmQuitGame", field::ConfirmQuitGame},
        {"Game_name", field::Game_name},
        {"Automatic_FaceUp", field::Automatic_FaceUp},
        {"Saved_Card_Size", field::Saved_Card_Size},
        {"Deal_Animation", field::Deal_Animation},
        {"Redeal_Animation", field::Redeal_Animation},
        {"Show_ToolTips", field::Show_ToolTips},
        {"Customized_Background", field::Customized_Background},
        {"Program_Folder", field::Program_Folder},
    };
    for (const auto& [fieldName, f] : Fields)
        if (fieldName == name) return f;
    return std::nullopt;
}

}  // namespace vantrel
