// The main window: the dialog of template 102 with its two courts, its
// picture buttons, menus, shortcuts and status bar. One object holds all of
// its state; the dialog procedure and the subclasses reach it from the
// window. The rules live in MainModel and the other portable parts.
#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialogs_win.h"
#include "dialogs/main_window_port.h"
#include "mainwin/main_model.h"
#include "mainwin/nvbtn.h"
#include "mainwin/painting_win.h"
#include "mainwin/save_failure_win.h"
#include "mainwin/startup_clock_win.h"
#include "mainwin/status_bar_win.h"
#include "platform/dpi.h"
#include "platform/handles_win.h"
#include "settings/settings.h"
#include "unitdb/lists.h"
#include "unitdb/registry.h"

namespace varuno {

class MainWindow : public MainWindowPort, private UnitListView, private CourtDisplay {
public:
    MainWindow(HINSTANCE instance, StartupClock& clock);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Runs the window as a modal dialog without an owner; answers what
    // DialogBoxParamW answers (−1 when the window could not be made).
    INT_PTR run();

    // MainWindowPort: what the dialogs may do.
    HWND owner() const override { return window_; }
    HINSTANCE instance() const override { return instance_; }
    HIMAGELIST kind_images() override;
    HCURSOR hand_cursor() const override { return hand_.get(); }
    UnitTables& tables() override { return tables_; }
    int current_kind() const override { return model_.kind(); }
    void select_kind(int kind) override;
    int chosen_position(int list) const override { return model_.box(list).chosen(); }
    void select_unit(int list, int position) override;
    void show_unit_in_status(int list) override;
    void show_court_units_in_status(Court court) override;
    void settings_saved(const Settings& settings) override;
    void apply_settings_to_courts() override;
    bool save_failed(std::string_view file) override { return save_failures_.report(window_, file); }

private:
    static INT_PTR CALLBACK dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK edit_subclass(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                          DWORD_PTR self);
    static LRESULT CALLBACK convert_button_subclass(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                                                    UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK box_edit_subclass(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR j,
                                              DWORD_PTR self);
    static LRESULT CALLBACK dropdown_subclass(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR j,
                                              DWORD_PTR self);
    static LRESULT CALLBACK shortcut_filter(int code, WPARAM wparam, LPARAM lparam);
    INT_PTR handle(UINT message, WPARAM wparam, LPARAM lparam);

    // UnitListView: what select_kind does to the lists.
    void clear_list(UnitList list) override;
    void append_to_list(UnitList list, std::string_view label) override;
    void set_result_line(std::string_view text) override;
    void clear_unit_chosen() override {}
    void status_show_kind(std::string_view name) override;

    // CourtDisplay: what the courts show.
    void show_output(Court court, std::string_view text) override;
    void show_zoom(std::string_view text) override;
    void show_message(std::string_view text) override;
    void focus_input(Court court) override;
    void mark_court(Court court) override;

    // Start-up and exit.
    void start_up(HWND window);
    // Pictures, icons, cursor, fonts and pixel sizes for the monitor's DPI.
    void apply_dpi(Dpi dpi);
    void on_dpi_changed(Dpi dpi, const RECT& suggested);
    void shut_down();
    void add_function_buttons();
    void name_buttons();
    void add_state_pictures();
    void fit_state_pictures();
    void add_button_tips();
    void move_button_tips();
    void subclass_controls();
    void restore_position();
    void confirm_exit();

    // Commands.
    void on_command(int id, int code);
    bool on_menu(int command);
    void on_button(int id, int state);
    void on_list_command(int j, int code);
    void convert(Court court);
    void open_kind_panel_and_search();
    void flip_live_switch();
    Court court_of_focus() const;
    void focus_settings_button();
    void focus_input_a();
    void show_popup_menu(int control, int menu);
    void set_topmost(bool on);
    void place_window(Placement place);
    void copy_zoom_view();
    void formula_error_box();
    void restart_decorative_timer(bool moving);

    // Unit lists.
    std::string box_text(int j) const;
    void select_keeping_text(int j, int position, const std::string& text);
    void unit_changed(int j);
    void box_typed(int j);
    void move_list(int j, const Rect& r);
    void widen_list(int j);
    void restore_list(int j);
    std::optional<UnitTexts> unit_of_list(int j) const;

    std::string control_text(int id) const;
    int message_box(std::string_view text, std::string_view caption, UINT type) const;

    HINSTANCE instance_;
    StartupClock& clock_;  // times the steps of start_up
    HWND window_ = nullptr;
    std::array<HWND, 4> lists_{};  // A before, A after, B before, B after
    std::array<HWND, 4> edits_{};  // A input, A output, B input, B output
    UnitTables tables_;
    MainModel model_;
    Settings settings_;  // as read at start-up and after each save
    NvbtnCls buttons_{7, 2, 2};
    StatusBar status_;
    MainPainter painter_;
    DialogMemory dialog_memory_;
    SaveFailureReport save_failures_;
    Dpi dpi_;
    std::vector<UniqueBitmap> pictures_;  // the picture buttons' renders for dpi_
    bool state_pictures_made_ = false;    // the pressed and hover looks: made at the pointer's first coming
    std::vector<UniqueBitmap> state_renders_;
    UniqueImageList kind_images_;
    Dpi kind_images_dpi_;
    UniqueIcon small_icon_, big_icon_;
    UniqueCursor hand_;
    ListWidening widening_;
    std::array<UniqueMenu, 2> menus_;  // popup menus 136 and 137, loaded on first use
    HACCEL shortcuts_ = nullptr;
    UniqueHook shortcut_hook_;
    HWND button_tips_ = nullptr;
    std::array<bool, 2> pressed_{};     // the convert buttons' pressed look
    bool syncing_ = false;              // the program itself is changing a unit box's text or selection
    bool minimised_by_button_ = false;  // restored, the focus goes to the settings button
};

}  // namespace varuno
