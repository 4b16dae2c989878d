#pragma once

// Reads the airports of a library on a worker thread, behind a modal dialog
// so that nothing of the library changes meanwhile while the window stays
// responsive. The dialog keeps out of sight for the first half second, then
// shows how many of the scenery files are read, with a Cancel button that
// stops the work at the next file.

#include "AirportIndex.h"
#include "Controls.h"
#include "Dialog.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>

// The reading: it works on copies only, as it runs on the worker thread,
// and stops when the progress says so.
using CIndexWork = std::function<CAirportIndex(const CIndexProgress& progress)>;

class CIndexProgressDlg : public CDialog {
public:
    explicit CIndexProgressDlg(CIndexWork work, CWnd* pParent = nullptr);
    ~CIndexProgressDlg() override;

    // After DoModal: what was read, incomplete after Cancel.
    CAirportIndex& Index() { return m_index; }
    // After DoModal: whether the work ran out of memory (IDCANCEL then).
    bool OutOfMemory() const { return m_bOutOfMemory; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter leaves the work going.
    void OnOK() override {}
    // Stops the work; the dialog ends once the worker has.
    void OnCancel() override;
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnWindowPosChanging(WPARAM wParam, LPARAM lParam);
    LRESULT OnProgress(WPARAM wParam, LPARAM lParam);
    LRESULT OnDone(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    CIndexWork m_work;
    CAirportIndex m_index;
    CProgressCtrl m_progress;
    std::thread m_worker;
    bool m_bShown = false;
    bool m_bOutOfMemory = false; // by the worker, before it posts that it is done
    std::atomic<bool> m_bCancel{false};
    // The worker's last count, and whether a message about it is on its way:
    // one at a time, as files read from the cache come faster than the
    // window's queue takes messages.
    std::atomic<std::size_t> m_nDone{0}, m_nTotal{0};
    std::atomic<bool> m_bProgressPosted{false};
};
