#pragma once
// The stand-in for Word's object model: exactly the objects and members the add-in uses.
// Document operations are recorded in the trace format of `pelvaron insert`; the menu bar
// is a list of controls the test can inspect; buttons fire Click through connection points.

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "addin/com_ptr.hpp"
#include "insert/trace_sink.hpp"
#include "tests/wine/host/fake_object.hpp"

namespace pelvaron::wine_host {

using addin::ComPtr;

class ControlObject;

struct ControlList {
  std::vector<ComPtr<ControlObject>> items;
};

class ControlObject final : public FakeObject, public IConnectionPointContainer, public IConnectionPoint {
 public:
  ControlObject(int type, bool temporary, ControlList* parent);

  int type() const { return type_; }
  bool temporary() const { return temporary_; }
  const std::wstring& caption() const { return caption_; }
  const std::wstring& tooltip() const { return tooltip_; }
  const std::wstring& onAction() const { return onAction_; }
  const std::wstring& tag() const { return tag_; }
  ControlList& children() { return children_; }
  std::size_t sinkCount() const;
  void SetCaption(const std::wstring& caption) { caption_ = caption; }
  // Calls every connected sink's Click(Ctrl, CancelDefault); the first failure is returned.
  HRESULT FireClick();

  // IUnknown through the IDispatch part for every base.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    return FakeObject::QueryInterface(riid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return FakeObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return FakeObject::Release(); }
  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** out) override;
  // IConnectionPoint (the button's only one: _CommandBarButtonEvents)
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

 protected:
  void Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT* result) override;
  void* ExtraInterface(REFIID riid) override;

 private:
  int type_;
  bool temporary_;
  ControlList* parent_;
  ControlList children_;
  std::wstring caption_, tooltip_, onAction_, tag_;
  std::vector<ComPtr<IDispatch>> sinks_;  // index + 1 is the cookie; null once unadvised
};

// A call around the document operations (UndoRecord, StatusBar), kept apart from the trace
// with the trace's length when it came.
struct FrameEvent {
  std::wstring call;  // "StartCustomRecord", "EndCustomRecord", "StatusBar"
  std::wstring text;
  std::size_t traceLength;
};

// Everything the host observes, in one place.
struct WordModel {
  std::ostringstream trace;
  TraceSink sink{trace};
  std::vector<FrameEvent> frame;
  bool hasUndoRecord = true;  // false: Word 2007 and older, set before the add-in connects
  // NormalTemplate.Saved; every command-bar change clears it, as in Word.
  bool normalSaved = true;
  long commandBarChanges = 0;
  bool screenUpdating = true;
  // The active document: none once closed; a new one (by COM identity) after a switch.
  bool documentOpen = true;
  int documentGeneration = 0;
  // What happens at the add-in's N-th yield (0: never): the user closes the document or
  // activates another, or Word begins to close.
  long yields = 0;
  long closeAtYield = 0, switchAtYield = 0, shutdownAtYield = 0;
  std::function<void()> shutdown;
  ControlList menuBar;
  long removals = 0;  // Delete calls on controls
  long lookups = 0;   // Controls.Item calls: each removal attempt makes one
  HWND yieldWindow = nullptr;
  long insertedSymbols = 0;
  // The font name given to what is typed next ("": the document's own, after Font.Reset or
  // before any name), and what was typed under names Word has no such font for.
  std::string fontName;
  long typedInPlaceholderFont = 0;  // characters under "(normal text)", which is no font
  long latinInSetFont = 0;          // texts with Latin letters typed under a font name set by the add-in
};
WordModel& Model();

// Registers the factory of Word's Global object for this process.
void RegisterWordGlobal();
void RevokeWordGlobal();
// The object Word passes as AddInInst: only ProgId.
ComPtr<IDispatch> MakeAddInObject(const std::wstring& progId);
// What Word passes to a ribbon callback: an IRibbonControl with this Id.
ComPtr<IDispatch> MakeRibbonControl(const std::wstring& id);
// The hidden window whose posted message marks the add-in's yield in the trace.
void CreateYieldWindow();

}  // namespace pelvaron::wine_host
