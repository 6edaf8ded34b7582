#pragma once
// The process-wide record of settings and game facts: 750 characters of
// fixed-position text fields in three segments of 250.
#include <array>
#include <string>
#include <string_view>

namespace vantrel {

struct Field {
    int pos;  // 1-based character position
    int len;
};

namespace field {
inline constexpr Field Config_File{1, 20};
inline constexpr Field Back_Card{21, 3};
inline constexpr Field Card{24, 3};
inline constexpr Field Background_def{27, 1};
inline constexpr Field Background_Col{28, 15};
inline constexpr Field Background_bmp{43, 4};
inline constexpr Field Background_Fixed_Col{47, 15};
inline constexpr Field Game{62, 4};
inline constexpr Field Show_Time{66, 1};
inline constexpr Field Cards_Animate{67, 1};
inline constexpr Field Language{68, 6};
inline constexpr Field Speed_Move_Card{74, 2};
inline constexpr Field StatusBar{76, 1};
inline constexpr Field UserDefault{77, 30};
inline constexpr Field Scoring_System{120, 2};
inline constexpr Field Score{122, 6};
inline constexpr Field Card_Size{128, 1};
inline constexpr Field Saved_Card{129, 3};
inline constexpr Field Saved_Back_Card{132, 3};
inline constexpr Field Fade_Background{135, 1};
inline constexpr Field Show_Score{136, 1};
inline constexpr Field Winning_Animation{140, 1};
inline constexpr Field Sounds_Enabled{141, 1};
inline constexpr Field Sounds_About{142, 1};
inline constexpr Field Sounds_Autoplay{143, 1};
inline constexpr Field Sounds_GameWon{144, 1};
inline constexpr Field Sounds_NewGame{145, 1};
inline constexpr Field Sounds_Shuffle{149, 1};
inline constexpr Field Deal_Number{153, 15};
inline constexpr Field Cursor_Base{172, 2};
inline constexpr Field Sounds_Pairing{175, 1};
inline constexpr Field Sounds_Stock{176, 1};
inline constexpr Field Sounds_Tableau{177, 1};
inline constexpr Field Cards_Shadowed{178, 1};
inline constexpr Field Piles_TT{179, 1};
inline constexpr Field Sounds_FaceUp{180, 1};
inline constexpr Field Sounds_CardDown{181, 1};
inline constexpr Field Sounds_CardUp{182, 1};
inline constexpr Field Sounds_Redeal{183, 1};
inline constexpr Field Sounds_Foundation{184, 1};
inline constexpr Field ConfirmQuitGame{185, 1};
inline constexpr Field Game_name{189, 50};
inline constexpr Field Automatic_FaceUp{239, 1};
inline constexpr Field Saved_Card_Size{240, 1};
inline constexpr Field Deal_Animation{241, 1};
inline constexpr Field Redeal_Animation{242, 1};
inline constexpr Field Show_ToolTips{244, 1};
inline constexpr Field Customized_Background{246, 1};
inline constexpr Field Program_Folder{501, 200};
}  // namespace field

class StateRecord {
public:
    static constexpr int SegmentLength = 250;
    static constexpr int RecordLength = 750;

    StateRecord();

    // Blanks the record, then stores the program folder (with its trailing
    // separator) and the preference file name.
    void StateInit(std::string_view programFolder);

    void StateWrite(int pos, int len, std::string_view value);
    std::string StateRead(int pos, int len) const;

    void write(Field f, std::string_view value) { StateWrite(f.pos, f.len, value); }
    void write(Field f, long long value) { StateWrite(f.pos, f.len, std::to_string(value)); }
    std::string read(Field f) const { return StateRead(f.pos, f.len); }
    // Integer value of a numeric field; `fallback` when it holds no number.
    long long readInt(Field f, long long fallback = 0) const;
    // Flags: only "Y" counts as on.
    bool flag(Field f) const { return read(f) == "Y"; }

private:
    // Maps a record position to (segment, index in segment); false when the
    // position carries nothing (0, 250, 500, 750 and above).
    static bool locate(int pos, int& segment, int& index);
    // Plain characters, not strings: copying a table state copies no heap.
    std::array<std::array<char, SegmentLength>, 3> segments_;
};

}  // namespace vantrel
