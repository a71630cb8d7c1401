// Time from CreateProcess to a visible window, NorvellaB against a bare window program, and the
// working set of each once it has settled. Wine reports private bytes as 0, so the working set is
// what is compared.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "common/win/registry_settings_store.h"

namespace {

using Clock = std::chrono::steady_clock;

struct FindData {
  DWORD pid;
  const wchar_t* title;
  bool found = false;
};

BOOL CALLBACK Find(HWND hwnd, LPARAM lparam) {
  auto* data = reinterpret_cast<FindData*>(lparam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t title[64] = {};
  GetWindowTextW(hwnd, title, 64);
  if (pid == data->pid && IsWindowVisible(hwnd) && wcscmp(title, data->title) == 0) {
    data->found = true;
    return FALSE;
  }
  return TRUE;
}

struct Sample {
  double ms = 0;
  double working_set_mb = 0;
  double peak_working_set_mb = 0;
};

Sample Run(const std::wstring& exe, const wchar_t* title) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe + L"\"";
  const auto start = Clock::now();
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi)) {
    std::fprintf(stderr, "cannot start %ls\n", exe.c_str());
    std::exit(1);
  }
  FindData data{pi.dwProcessId, title};
  while (!data.found) {
    EnumWindows(Find, reinterpret_cast<LPARAM>(&data));
    if (!data.found) std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  Sample sample;
  sample.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  std::this_thread::sleep_for(std::chrono::milliseconds(600));  // toast gone, timers running
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters)) {
    sample.working_set_mb = counters.WorkingSetSize / 1048576.0;
    sample.peak_working_set_mb = counters.PeakWorkingSetSize / 1048576.0;
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return sample;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

std::wstring Dist(const wchar_t* file) {
  std::wstring path = L"Z:";
  for (const char* p = std::getenv("NORVELLA_DIST"); p && *p; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return path + L"\\" + file;
}

void Report(const char* name, const std::vector<Sample>& samples, double* median_ms) {
  std::vector<double> ms, ws, peak;
  for (const Sample& s : samples) {
    ms.push_back(s.ms);
    ws.push_back(s.working_set_mb);
    peak.push_back(s.peak_working_set_mb);
  }
  *median_ms = Median(ms);
  std::printf("%-34s start-up median %6.1f ms (min %6.1f, max %6.1f); working set %5.1f MB (peak %5.1f MB)\n",
              name, *median_ms, *std::min_element(ms.begin(), ms.end()),
              *std::max_element(ms.begin(), ms.end()), Median(ws), Median(peak));
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
  const std::wstring bench_dir = [] {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring s = self;
    return s.substr(0, s.find_last_of(L'\\'));
  }();
  norvella::win::RegistrySettingsStore store;
  const std::u16string big_text = [] {
    std::u16string line = u"今天要做的事：整理会议纪要，回复邮件，准备周五的季度报告。\r\n";
    std::u16string text;
    while (text.size() + line.size() <= 65535) text += line;
    return text;
  }();

  std::vector<Sample> bare, note, note_big;
  Run(bench_dir + L"\\bare_window.exe", L"BareWindow");  // warm the file cache
  Run(Dist(L"NorvellaB.exe"), L"NorvellaB");
  for (int i = 0; i < runs; ++i) {  // interleaved, so both see the same machine
    bare.push_back(Run(bench_dir + L"\\bare_window.exe", L"BareWindow"));
    store.RemoveAllSettings();
    note.push_back(Run(Dist(L"NorvellaB.exe"), L"NorvellaB"));
    store.WriteSetting(u"NorvellaB", u"Text", big_text);
    note_big.push_back(Run(Dist(L"NorvellaB.exe"), L"NorvellaB"));
  }
  store.RemoveAllSettings();

  double bare_ms = 0, note_ms = 0, big_ms = 0;
  std::printf("%d runs each, under Wine\n", runs);
  Report("bare Win32 window", bare, &bare_ms);
  Report("NorvellaB, empty store", note, &note_ms);
  Report("NorvellaB, 65535-character text", note_big, &big_ms);
  std::printf("ratio NorvellaB / bare window: %.2f (empty store), %.2f (largest text)\n",
              note_ms / bare_ms, big_ms / bare_ms);
  return 0;
}
