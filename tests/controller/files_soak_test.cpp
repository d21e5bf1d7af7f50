// Generator of the program's files: CONFIG.INI, the assignments file and import lines with random bytes, very
// long lines, missing and repeated sections and keys, numbers out of range, no line ends; files that cannot be
// read or written. Each goes through the real reading (the settings record, the main form's assignments load,
// the import) and the form's Save. Afterwards each file is either byte for byte as it was or completely
// written (what was saved reads back), and the form still loads and saves a good file.
#include <windows.h>

#include <cstring>
#include <optional>

#include "controller/app/assignment_exchange.h"
#include "controller/app/settings.h"
#include "framework/ini/inifile.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filetext.h"
#include "main_form_fixture.h"
#include "tests/support/soak_run.h"

namespace trelvik::testing {
namespace {

std::string Pick(SoakRun& run, const std::vector<std::string>& choices) {
  return choices[static_cast<std::size_t>(run.Between(0, static_cast<int>(choices.size()) - 1))];
}

std::string RandomText(SoakRun& run, std::size_t size) {
  const std::vector<std::uint8_t> bytes = run.Bytes(size);
  return std::string(bytes.begin(), bytes.end());
}

std::string DrawValue(SoakRun& run) {
  switch (run.Between(0, 4)) {
    case 0: return Pick(run, {"0", "1", "-1", "2147483647", "-2147483648", "99999999999", "0x7FFFFFFF", "$FFFFFFFF",
                              "B737", "B777", "", " 12 ", "1e9"});
    case 1: return std::to_string(run.Between(-100000, 100000));
    case 2: return std::string(static_cast<std::size_t>(run.Between(256, 70000)), 'x');  // a very long line
    case 3: return RandomText(run, static_cast<std::size_t>(run.Between(0, 40)));
    default: return Pick(run, {"ASSIGNMENTS.INI", "other.ini", "missing\\folder\\a.ini", "bad*name?.ini",
                               std::string(300, 'n') + ".ini"});
  }
}

// An INI text built from the keys the program reads, with the faults the generator is after.
std::string DrawIni(SoakRun& run, const std::vector<std::string>& sections, const std::vector<std::string>& keys) {
  if (run.Between(0, 9) == 0) return RandomText(run, static_cast<std::size_t>(run.Between(0, 4096)));
  std::string text;
  const std::string end = Pick(run, {"\r\n", "\n", "\r", ""});  // "" : no line ends at all
  for (int s = run.Between(0, 4); s > 0; --s) {
    if (run.Between(0, 5) != 0) text += "[" + Pick(run, sections) + "]" + end;  // else: keys before any section
    for (int k = run.Between(0, 30); k > 0; --k) {
      switch (run.Between(0, 9)) {
        case 0: text += RandomText(run, static_cast<std::size_t>(run.Between(0, 80))) + end; break;
        case 1: text += "=" + DrawValue(run) + end; break;
        case 2: text += "[" + RandomText(run, 8) + end; break;
        default: text += Pick(run, keys) + "=" + DrawValue(run) + end; break;
      }
    }
  }
  return text;
}

// What a file holds now: its bytes, or nothing when it is missing or cannot be read.
std::optional<std::string> Bytes(const std::string& path) { return fw::TryReadFileText(path); }

void SetReadOnly(const std::string& path, bool readOnly) {
  SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

class FilesSoakTest : public MainFormTest {};

TEST_F(FilesSoakTest, BadFilesAreReadSafelyAndSavesAreAllOrNothing) {
  TZedArave* form = MakeForm();
  std::vector<std::string> keys = {"DEVICE_LOAD_DELAY", "DEVICE_LOAD_DELAY2", "CPT", "FO", "OBS1", "CPT_REMOTE",
                                   "RADIO1", "ELEVATOR_JOYSTICK", "ELEVATOR_AXIS", "ELEVATOR_LOW", "ELEVATOR_NULL"};
  for (const std::string& line : ConfigTemplateLines()) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos && line.rfind("//", 0) != 0) keys.push_back(line.substr(0, equals));
  }
  const std::vector<std::string> sections = {"SETTINGS", "settings", "CDU_ASSIGNMENTS", "RADIO_ASSIGNMENTS",
                                             "AXIS_ASSIGNMENTS", "INPUT_ASSIGNMENTS_737", "OUTPUT_ASSIGNMENTS_737",
                                             "INPUT_ASSIGNMENTS_777", "OTHER"};
  const std::string config = ConfigFilePath(folder_.Path());
  SoakRun run("files", 5503, 200);
  while (run.Next()) {
    const std::string configText = DrawIni(run, sections, keys);
    std::string assignmentsText = DrawIni(run, sections, keys);
    run.SetInput(configText + std::string("\0--assignments--\0", 17) + assignmentsText);
    SetReadOnly(config, false);
    DeleteFileA(config.c_str());
    if (run.Between(0, 9) != 0) folder_.Write("CONFIG.INI", configText);  // else: missing, the template is written
    try {
      // Reading: the settings record (as the form's creation does) and the assignments through the form.
      EnsureConfigFile(config);
      fw::TIniFile ini(config);
      const ProgramSettings read = ReadSettings(ini, 0);
      if (run.Between(0, 3) == 0) {
        // A discovery with these settings ends, its settling waits bounded.
        const ProgramSettings kept = form->settings();
        form->settings() = read;
        int sleeps = 0;
        fw::ServiceDouble<void(std::uint32_t)> counted{fw::SleepMs, [&](std::uint32_t) { ++sleeps; }};
        Boards().boards = {{"03E8MCP00001", "330A", 64, 100, 0, 24}};
        form->refresh_devices(0, 2);
        form->settings() = kept;
        if (sleeps > 3000) run.Fail("a discovery settled for " + std::to_string(sleeps) + " steps of 10 ms");
        run.Count("discoveries");
      }
      const std::string assignments = folder_.Path() + ReadAssignmentsFileName(ini);
      const bool inFolder = assignments.find_first_of("\\/", folder_.Path().size()) == std::string::npos;
      if (inFolder) {
        SetReadOnly(assignments, false);
        fw::TryWriteFileText(assignments, assignmentsText);
      }
      form->Load_Input_Assignments("");

      // The import reads any lines without harm.
      AssignmentRows rows;
      rows[1] = AssignmentRow{"Gear Up", 1};
      rows[2] = AssignmentRow{std::string(1, static_cast<char>(run.Between(1, 255))), 2};
      std::vector<std::string> lines;
      for (int n = run.Between(0, 500); n > 0; --n) {
        lines.push_back(Pick(run, {"Gear Up", "", "=", "Gear Up=", "x"}) + "=" + DrawValue(run) + "," +
                        DrawValue(run) + "," + DrawValue(run) + "," + DrawValue(run));
      }
      InputRecords inputs{};
      OutputRecords outputs{};
      ImportDesignations boards;
      ImportInputLines(lines, rows, inputs, boards,
                       [&](const std::string&) { return BoardAnswer{BoardAnswer::kAssign, "0123ABCD0001"}; });
      ImportOutputLines(lines, rows, outputs, boards);

      // Save, with the files refusing the write now and then (read-only, or held open by someone else).
      // (Wine replaces a read-only file as it does any other; Windows refuses.)
      const std::optional<std::string> configBefore = Bytes(config);
      const std::optional<std::string> assignmentsBefore = Bytes(form->assignments_file);
      const int refusal = run.Between(0, 3);
      if (refusal == 1) SetReadOnly(config, true);
      HANDLE held = INVALID_HANDLE_VALUE;
      if (refusal == 2) held = CreateFileA(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      bool refused = false;
      try {
        form->SaveConfiguration1Click();
      } catch (const fw::Exception&) {
        refused = true;
      }
      if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
      SetReadOnly(config, false);
      if (refusal == 2) {
        if (!refused) run.Fail("a save refused by the file held open elsewhere was not reported");
        run.Count("refused-saves");
      }
      // Each file is as it was, or holds everything the save wrote.
      if (Bytes(config) != configBefore) {
        fw::TIniFile written(config);
        const std::int32_t left = written.ReadInteger("SETTINGS", "LEFT", -77777);
        const std::string type = written.ReadString("SETTINGS", "AIRCRAFT_TYPE", "");
        if (left != form->Left() || type != (form->settings().aircraft_type == 1 ? "B777" : "B737")) {
          run.Fail("CONFIG.INI changed but does not hold the save: LEFT " + std::to_string(left) + " of " +
                   std::to_string(form->Left()) + ", AIRCRAFT_TYPE " + type);
        }
      }
      if (Bytes(form->assignments_file) != assignmentsBefore) {
        fw::TIniFile written(form->assignments_file);
        if (written.ReadString("CDU_ASSIGNMENTS", "OBS1", "?") != form->cdu_obs1_board) {
          run.Fail("the assignments file changed but does not hold the save");
        }
      }
      if (!refused) run.Count("saves");
    } catch (const std::exception& e) {
      run.Fail(std::string("reading or saving raised: ") + e.what());
    }
  }
  // The form still loads and saves a good file.
  SetReadOnly(config, false);
  folder_.Write("CONFIG.INI", "[SETTINGS]\r\nCONFIGURATION_FILE=GOOD.INI\r\n");
  folder_.Write("GOOD.INI", "[CDU_ASSIGNMENTS]\r\nCPT=3302CDU00001\r\n");
  form->Load_Input_Assignments("");
  EXPECT_EQ(form->cdu_cpt_board, "3302CDU00001");
  form->cdu_cpt_board = "3302CDU00002";
  form->SaveConfiguration1Click();
  EXPECT_EQ(fw::TIniFile(folder_.File("GOOD.INI")).ReadString("CDU_ASSIGNMENTS", "CPT", ""), "3302CDU00002");
  form->Free();
}

}  // namespace
}  // namespace trelvik::testing
