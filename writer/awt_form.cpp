#include "writer/awt_form.hpp"

#include <algorithm>
#include <cmath>
#include <set>

#include <com/sun/star/awt/FontDescriptor.hpp>
#include <com/sun/star/awt/FontUnderline.hpp>
#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/awt/Key.hpp>
#include <com/sun/star/awt/Pointer.hpp>
#include <com/sun/star/awt/PosSize.hpp>
#include <com/sun/star/awt/SystemPointer.hpp>
#include <com/sun/star/awt/VclWindowPeerAttribute.hpp>
#include <com/sun/star/awt/WindowAttribute.hpp>
#include <com/sun/star/awt/WindowDescriptor.hpp>
#include <com/sun/star/awt/XActionListener.hpp>
#include <com/sun/star/awt/XButton.hpp>
#include <com/sun/star/awt/XCheckBox.hpp>
#include <com/sun/star/awt/XComboBox.hpp>
#include <com/sun/star/awt/XDevice.hpp>
#include <com/sun/star/awt/XDialog.hpp>
#include <com/sun/star/awt/XFixedText.hpp>
#include <com/sun/star/awt/XFont.hpp>
#include <com/sun/star/awt/XItemListener.hpp>
#include <com/sun/star/awt/XLayoutConstrains.hpp>
#include <com/sun/star/awt/XKeyListener.hpp>
#include <com/sun/star/awt/XMouseListener.hpp>
#include <com/sun/star/awt/XTextComponent.hpp>
#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XTopWindowListener.hpp>
#include <com/sun/star/awt/XVclWindowPeer.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <cppuhelper/implbase5.hxx>

#include "forms/fit_text.hpp"
#include "module/error.hpp"
#include "writer/awt_forms.hpp"
#include "writer/uno_text.hpp"

namespace pelvaron::writer {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
namespace awt = css::awt;

// Routes a control's toolkit events to its form; forgets the form once it is unloaded.
class AwtListener
    : public cppu::WeakImplHelper5<awt::XActionListener, awt::XItemListener, awt::XMouseListener,
                                   awt::XTopWindowListener, awt::XKeyListener> {
 public:
  explicit AwtListener(AwtForm* form) : form_(form) {}
  void Forget() { form_ = nullptr; }
  void Name(const Reference<css::uno::XInterface>& source, std::string name) {
    names_[source.get()] = std::move(name);
  }

  // A combo box reports a double-click on its list entry as an action; a button its click.
  void SAL_CALL actionPerformed(const awt::ActionEvent& e) override {
    if (form_ && combos_.count(Reference<css::uno::XInterface>(e.Source, UNO_QUERY).get()))
      return form_->OnDoubleClick(NameOf(e.Source));
    Click(e.Source);
  }
  // A combo box is a compound control: it hears the keys typed into its edit field.
  void SAL_CALL keyPressed(const awt::KeyEvent& e) override {
    if (form_ && e.KeyCode == awt::Key::RETURN) form_->OnEnter(NameOf(e.Source));
  }
  void SAL_CALL keyReleased(const awt::KeyEvent&) override {}
  void Combo(const Reference<css::uno::XInterface>& source) {
    combos_.insert(Reference<css::uno::XInterface>(source, UNO_QUERY).get());
  }
  void SAL_CALL itemStateChanged(const awt::ItemEvent& e) override {
    if (form_) form_->OnSelected(NameOf(e.Source), e.Selected);
  }
  void SAL_CALL mousePressed(const awt::MouseEvent& e) override { Click(e.Source); }
  void SAL_CALL mouseReleased(const awt::MouseEvent&) override {}
  void SAL_CALL mouseEntered(const awt::MouseEvent&) override {}
  void SAL_CALL mouseExited(const awt::MouseEvent&) override {}
  void SAL_CALL windowClosing(const css::lang::EventObject&) override {
    if (form_) form_->OnCloseBox();
  }
  void SAL_CALL windowOpened(const css::lang::EventObject&) override {}
  void SAL_CALL windowClosed(const css::lang::EventObject&) override {}
  void SAL_CALL windowMinimized(const css::lang::EventObject&) override {}
  void SAL_CALL windowNormalized(const css::lang::EventObject&) override {}
  void SAL_CALL windowActivated(const css::lang::EventObject&) override {}
  void SAL_CALL windowDeactivated(const css::lang::EventObject&) override {}
  // The form's window, or the document window it belongs to, went away under it (the
  // document was closed with the dialog open): the form is unloaded.
  void SAL_CALL disposing(const css::lang::EventObject& e) override {
    if (form_ && watched_.count(Reference<css::uno::XInterface>(e.Source, UNO_QUERY).get()))
      form_->OnWindowGone();
  }
  void Watch(const Reference<css::lang::XComponent>& window) {
    if (!window.is()) return;
    watched_.insert(Reference<css::uno::XInterface>(window, UNO_QUERY).get());
    window->addEventListener(static_cast<awt::XActionListener*>(this));
  }

 private:
  std::string NameOf(const Reference<css::uno::XInterface>& source) const {
    const auto found = names_.find(Reference<css::uno::XInterface>(source, UNO_QUERY).get());
    return found == names_.end() ? std::string() : found->second;
  }
  void Click(const Reference<css::uno::XInterface>& source) {
    if (form_) form_->OnClick(NameOf(source));
  }

  AwtForm* form_;
  std::map<css::uno::XInterface*, std::string> names_;
  std::set<css::uno::XInterface*> watched_;
  std::set<css::uno::XInterface*> combos_;
};

namespace {

int32_t Pixels(float twips, float twipsPerPixel) {
  return static_cast<int32_t>(std::lround(twips / twipsPerPixel));
}

sal_Int32 Colour(const forms::Rgb& rgb) { return (sal_Int32{rgb.r} << 16) | (sal_Int32{rgb.g} << 8) | rgb.b; }

class AwtCombo : public forms::ComboBox {
 public:
  AwtCombo(const Reference<awt::XWindowPeer>& peer, std::string name, std::string where,
           forms::FormEvents& events)
      : box_(peer, UNO_QUERY_THROW),
        edit_(peer, UNO_QUERY_THROW),
        name_(std::move(name)),
        where_(std::move(where)),
        events_(events) {}

  void Clear() override {
    box_->removeItems(0, box_->getItemCount());
    edit_->setText({});
    index_ = -1;
  }
  void AddItem(const std::string& text) override { box_->addItem(ToOUString(text), box_->getItemCount()); }
  int ListCount() const override { return box_->getItemCount(); }
  std::string List(int index) const override {
    if (index < 0 || index >= ListCount())
      throw Error(ErrorKind::Index, where_ + ": list entry " + std::to_string(index) +
                                        " does not exist (the list has " + std::to_string(ListCount()) + ")");
    return ToUtf8(box_->getItem(static_cast<sal_Int16>(index)));
  }
  int ListIndex() const override {
    // Text the user typed over the selected entry selects nothing.
    if (index_ >= 0 && index_ < ListCount() && List(index_) == Text()) return index_;
    return FirstEqual(Text());
  }
  void SetListIndex(int index) override {
    if (index < -1 || index >= ListCount())
      throw Error(ErrorKind::Index, where_ + ": list index " + std::to_string(index) + " is outside -1.." +
                                        std::to_string(ListCount() - 1));
    index_ = index;
    if (index < 0) return;
    edit_->setText(box_->getItem(static_cast<sal_Int16>(index)));
    events_.Click(name_);
  }
  void Select(int index) { index_ = index; }
  std::string Text() const override { return ToUtf8(edit_->getText()); }
  void SetText(const std::string& text) override {
    edit_->setText(ToOUString(text));
    index_ = FirstEqual(text);
  }

 private:
  int FirstEqual(const std::string& text) const {
    for (int i = 0; i < ListCount(); ++i)
      if (List(i) == text) return i;
    return -1;
  }

  Reference<awt::XComboBox> box_;
  Reference<awt::XTextComponent> edit_;
  std::string name_, where_;
  forms::FormEvents& events_;
  int index_ = -1;
};

class AwtCheck : public forms::CheckBox {
 public:
  AwtCheck(const Reference<awt::XWindowPeer>& peer, std::string where)
      : box_(peer, UNO_QUERY_THROW), where_(std::move(where)) {}
  int Value() const override { return box_->getState() == 1 ? 1 : 0; }
  void SetValue(int value) override {
    if (value != 0 && value != 1)
      throw Error(ErrorKind::Input, where_ + ": value " + std::to_string(value) + " is neither 0 nor 1");
    box_->setState(static_cast<sal_Int16>(value));
  }

 private:
  Reference<awt::XCheckBox> box_;
  std::string where_;
};

class AwtLabel : public forms::Label {
 public:
  explicit AwtLabel(const Reference<awt::XWindowPeer>& peer) : text_(peer, UNO_QUERY_THROW) {}
  std::string Caption() const override { return ToUtf8(text_->getText()); }
  // Its window was sized to the caption at load; the forms change no caption later.
  void SetCaption(const std::string& text) override { text_->setText(ToOUString(text)); }

 private:
  Reference<awt::XFixedText> text_;
};

const char* ServiceName(forms::ControlKind kind) {
  switch (kind) {
    case forms::ControlKind::Label:
      return "fixedtext";
    case forms::ControlKind::ComboBox:
      return "combobox";
    case forms::ControlKind::CheckBox:
      return "checkbox";
    case forms::ControlKind::Button:
      return "pushbutton";
    case forms::ControlKind::Shape:
      return "groupbox";
  }
  return "fixedtext";
}

awt::FontDescriptor Font(const forms::FontStyle& style) {
  awt::FontDescriptor font;
  font.Name = ToOUString(style.name);
  font.Height = static_cast<sal_Int16>(std::lround(style.points));
  font.Weight = style.bold ? awt::FontWeight::BOLD : awt::FontWeight::NORMAL;
  font.Underline = style.underline ? awt::FontUnderline::SINGLE : awt::FontUnderline::NONE;
  return font;
}

// The peer's own properties: the one way to give a raw toolkit window a font and a colour
// (the API marks it deprecated in favour of control models, which raw peers do not have).
void SetPeerProperty(const Reference<awt::XVclWindowPeer>& peer, const char* name, const Any& value) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  peer->setProperty(rtl::OUString::createFromAscii(name), value);
#pragma GCC diagnostic pop
}

Any PeerProperty(const Reference<awt::XVclWindowPeer>& peer, const char* name) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  return peer->getProperty(rtl::OUString::createFromAscii(name));
#pragma GCC diagnostic pop
}

// What a fixed text needs for its caption in its own font: AWT's metrics of the control.
awt::Size TextSize(const Reference<awt::XWindowPeer>& label) {
  return Reference<awt::XLayoutConstrains>(label, UNO_QUERY_THROW)->getMinimumSize();
}

// Gives the label window its font: for a shrink-to-fit label the largest size at which its
// caption fits the box, as the window itself measures it.
awt::FontDescriptor SetLabelFont(const Reference<awt::XWindowPeer>& label, forms::FontStyle style,
                                 const forms::ControlLayout& layout, int32_t boxWidth) {
  Reference<awt::XVclWindowPeer> vcl(label, UNO_QUERY_THROW);
  const auto apply = [&](float points) {
    style.points = points;
    SetPeerProperty(vcl, "FontDescriptor", Any(Font(style)));
  };
  if (layout.shrinkToFit)
    style.points = forms::FittedPoints(style.points, static_cast<float>(boxWidth), [&](float points) {
      apply(points);
      return static_cast<float>(TextSize(label).Width);
    });
  apply(style.points);
  return Font(style);
}

awt::Rectangle PixelBounds(const forms::ControlLayout& control, float tpp) {
  return awt::Rectangle(Pixels(control.left, tpp), Pixels(control.top, tpp), Pixels(control.width, tpp),
                        Pixels(control.height, tpp));
}

// A label's window covers only its text: its width, the font's height, placed in its box by
// its alignment.
void FitToText(const Reference<awt::XWindowPeer>& label, forms::Alignment alignment,
               const awt::Rectangle& box) {
  const awt::Size text = TextSize(label);
  const int32_t textWidth = std::min<int32_t>(text.Width, box.Width);
  const int32_t spare = box.Width - textWidth;
  const int32_t left = box.X + (alignment == forms::Alignment::Centre  ? spare / 2
                                : alignment == forms::Alignment::Right ? spare
                                                                       : 0);
  Reference<awt::XWindow>(label, UNO_QUERY_THROW)
      ->setPosSize(left, box.Y, textWidth, std::min<int32_t>(text.Height, box.Height), awt::PosSize::POSSIZE);
}

awt::WindowDescriptor ControlDescriptor(const forms::ControlLayout& control,
                                        const Reference<awt::XWindowPeer>& parent, float tpp) {
  awt::WindowDescriptor descriptor;
  descriptor.Type = awt::WindowClass_SIMPLE;
  descriptor.WindowServiceName = rtl::OUString::createFromAscii(ServiceName(control.kind));
  descriptor.Parent = parent;
  descriptor.Bounds = PixelBounds(control, tpp);
  descriptor.WindowAttributes = awt::WindowAttribute::SHOW;
  // An open list stays below the edit field (and reports double-clicks); else a drop-down.
  if (control.kind == forms::ControlKind::ComboBox)
    descriptor.WindowAttributes |=
        awt::WindowAttribute::BORDER | (control.listOpen ? 0 : awt::VclWindowPeerAttribute::DROPDOWN);
  return descriptor;
}

}  // namespace

struct AwtForm::Slot {
  forms::ControlKind kind;
  Reference<awt::XWindowPeer> peer;
  std::vector<Reference<awt::XWindowPeer>> peers;  // a label's window, a shape's four lines
  awt::FontDescriptor font;                        // a label's, at the size it is drawn
  std::unique_ptr<AwtCombo> combo;
  std::unique_ptr<AwtCheck> check;
  std::unique_ptr<AwtLabel> label;
};

AwtForm::AwtForm(AwtRuntime& runtime, forms::FormLayout layout, forms::FormEvents& events)
    : runtime_(runtime), layout_(std::move(layout)), events_(events) {}

AwtForm::~AwtForm() {
  try {
    Unload();
  } catch (...) {
  }
}

void AwtForm::Show() {
  if (!loaded_) Load();
  // The load handler may have closed the form again.
  if (!loaded_) return;
  window_->setVisible(true);
  window_->setPosSize(x_, y_, width_, height_, awt::PosSize::POSSIZE);
  ToFront();
}

void AwtForm::Load() {
  const float tpp = runtime_.TwipsPerPixelX();
  awt::WindowDescriptor descriptor;
  descriptor.Type = awt::WindowClass_TOP;
  descriptor.WindowServiceName = "modelessdialog";
  descriptor.Parent = runtime_.parent();
  x_ = y_ = 0;
  width_ = Pixels(layout_.clientWidth, tpp);
  height_ = Pixels(layout_.clientHeight, tpp);
  descriptor.Bounds = awt::Rectangle(x_, y_, width_, height_);
  descriptor.WindowAttributes =
      awt::WindowAttribute::BORDER | awt::WindowAttribute::MOVEABLE | awt::WindowAttribute::CLOSEABLE;
  peer_ = runtime_.toolkit()->createWindow(descriptor);
  window_.set(peer_, UNO_QUERY_THROW);
  Reference<awt::XDialog>(peer_, UNO_QUERY_THROW)->setTitle(ToOUString(layout_.caption));
  if (layout_.backColor) peer_->setBackground(Colour(*layout_.backColor));
  listener_ = new AwtListener(this);
  listener_->Name(window_, "");
  window_->addMouseListener(Reference<awt::XMouseListener>(listener_.get()));
  Reference<awt::XTopWindow>(peer_, UNO_QUERY_THROW)
      ->addTopWindowListener(Reference<awt::XTopWindowListener>(listener_.get()));
  listener_->Watch(Reference<css::lang::XComponent>(peer_, UNO_QUERY));
  listener_->Watch(Reference<css::lang::XComponent>(runtime_.parent(), UNO_QUERY));
  runtime_.Register(WindowHandle(), this);
  loaded_ = true;
  try {
    for (const forms::ControlKind kind : {forms::ControlKind::Shape, forms::ControlKind::Label})
      for (const forms::ControlLayout& control : layout_.controls)
        if (control.kind == kind) AddWindowless(control);
    for (const forms::ControlLayout& control : layout_.controls)
      if (!forms::Windowless(control)) CreateControl(control);
    events_.Form_Load();
  } catch (...) {
    Unload();
    throw;
  }
}

// Overlapping child windows hide one another, transparent or not, where the Win32 runtime
// paints labels and shapes on the form. So a label's window covers only its text (its
// width, the font's height, placed by its alignment) and a shape is four windows of one
// pixel's width, its outline, made before the labels so that it lies over them as the Win32
// form draws it (a child made earlier stays above).
void AwtForm::AddWindowless(const forms::ControlLayout& control) {
  auto slot = std::make_unique<Slot>();
  slot->kind = control.kind;
  if (control.kind == forms::ControlKind::Shape)
    AddShape(control, *slot);
  else
    AddLabel(control, *slot);
  controls_.emplace(control.name, std::move(slot));
}

Reference<awt::XWindowPeer> AwtForm::DrawnWindow(const awt::Rectangle& bounds, Slot& slot) {
  awt::WindowDescriptor descriptor;
  descriptor.Type = awt::WindowClass_SIMPLE;
  descriptor.WindowServiceName = "fixedtext";
  descriptor.Parent = peer_;
  descriptor.Bounds = bounds;
  descriptor.WindowAttributes = awt::WindowAttribute::SHOW;
  Reference<awt::XWindowPeer> peer = runtime_.toolkit()->createWindow(descriptor);
  slot.peers.push_back(peer);
  return peer;
}

void AwtForm::AddShape(const forms::ControlLayout& control, Slot& slot) {
  const awt::Rectangle box = PixelBounds(control, runtime_.TwipsPerPixelX());
  const sal_Int32 colour = control.foreColor ? Colour(*control.foreColor) : 0;
  for (const awt::Rectangle& line : {awt::Rectangle(box.X, box.Y, box.Width, 1),
                                     awt::Rectangle(box.X, box.Y + box.Height - 1, box.Width, 1),
                                     awt::Rectangle(box.X, box.Y, 1, box.Height),
                                     awt::Rectangle(box.X + box.Width - 1, box.Y, 1, box.Height)})
    DrawnWindow(line, slot)->setBackground(colour);
}

void AwtForm::AddLabel(const forms::ControlLayout& control, Slot& slot) {
  const awt::Rectangle box = PixelBounds(control, runtime_.TwipsPerPixelX());
  Reference<awt::XWindowPeer> peer = DrawnWindow(box, slot);
  Reference<awt::XVclWindowPeer> vcl(peer, UNO_QUERY_THROW);
  Reference<awt::XFixedText>(peer, UNO_QUERY_THROW)->setText(ToOUString(control.caption));
  if (control.font)
    slot.font = SetLabelFont(peer, *control.font, control, box.Width);
  else
    PeerProperty(vcl, "FontDescriptor") >>= slot.font;
  if (control.foreColor) SetPeerProperty(vcl, "TextColor", Any(Colour(*control.foreColor)));
  if (layout_.backColor) peer->setBackground(Colour(*layout_.backColor));
  FitToText(peer, control.alignment, box);
  if (control.pointer == forms::Pointer::Hand) {
    Reference<awt::XPointer> hand = awt::Pointer::create(runtime_.context());
    hand->setType(awt::SystemPointer::REFHAND);
    peer->setPointer(hand);
  }
  Reference<awt::XWindow> labelWindow(peer, UNO_QUERY_THROW);
  listener_->Name(labelWindow, control.name);
  labelWindow->addMouseListener(Reference<awt::XMouseListener>(listener_.get()));
  slot.label = std::make_unique<AwtLabel>(peer);
}

awt::FontDescriptor AwtForm::LabelFont(std::string_view name) {
  return Find(name, forms::ControlKind::Label, "label").font;
}

void AwtForm::CreateControl(const forms::ControlLayout& control) {
  Reference<awt::XWindowPeer> peer =
      runtime_.toolkit()->createWindow(ControlDescriptor(control, peer_, runtime_.TwipsPerPixelX()));
  Reference<awt::XVclWindowPeer> vcl(peer, UNO_QUERY_THROW);
  if (control.font) SetPeerProperty(vcl, "FontDescriptor", Any(Font(*control.font)));
  if (control.foreColor) SetPeerProperty(vcl, "TextColor", Any(Colour(*control.foreColor)));
  if (layout_.backColor && control.kind != forms::ControlKind::ComboBox)
    peer->setBackground(Colour(*layout_.backColor));
  listener_->Name(Reference<awt::XWindow>(peer, UNO_QUERY_THROW), control.name);
  auto slot = std::make_unique<Slot>();
  slot->kind = control.kind;
  slot->peer = peer;
  WireControl(control, *slot);
  controls_.emplace(control.name, std::move(slot));
}

void AwtForm::WireControl(const forms::ControlLayout& control, Slot& slot) {
  switch (control.kind) {
    case forms::ControlKind::ComboBox:
      return WireCombo(control, slot);
    case forms::ControlKind::CheckBox:
      Reference<awt::XCheckBox>(slot.peer, UNO_QUERY_THROW)->setLabel(ToOUString(control.caption));
      slot.check = std::make_unique<AwtCheck>(slot.peer, layout_.name + "." + control.name);
      return;
    case forms::ControlKind::Button: {
      Reference<awt::XButton> button(slot.peer, UNO_QUERY_THROW);
      button->setLabel(ToOUString(control.caption));
      listener_->Name(button, control.name);
      button->addActionListener(Reference<awt::XActionListener>(listener_.get()));
      return;
    }
    case forms::ControlKind::Label:
    case forms::ControlKind::Shape:
      return;  // drawn by the form (AddWindowless)
  }
}

void AwtForm::WireCombo(const forms::ControlLayout& control, Slot& slot) {
  Reference<awt::XComboBox> box(slot.peer, UNO_QUERY_THROW);
  box->setDropDownLineCount(8);
  listener_->Name(box, control.name);
  box->addItemListener(Reference<awt::XItemListener>(listener_.get()));
  box->addActionListener(Reference<awt::XActionListener>(listener_.get()));
  Reference<awt::XWindow>(slot.peer, UNO_QUERY_THROW)
      ->addKeyListener(Reference<awt::XKeyListener>(listener_.get()));
  listener_->Combo(box);
  slot.combo =
      std::make_unique<AwtCombo>(slot.peer, control.name, layout_.name + "." + control.name, events_);
}

void AwtForm::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  runtime_.Forget(reinterpret_cast<intptr_t>(peer_.get()));
  listener_->Forget();
  try {
    window_->setVisible(false);
  } catch (...) {
    // Already disposed with the document window.
  }
  // The window may be unloaded from one of its own handlers: it is disposed once that has
  // returned.
  for (auto& [name, slot] : controls_) {
    if (slot->peer.is()) runtime_.DisposeLater(slot->peer);
    for (const auto& peer : slot->peers) runtime_.DisposeLater(peer);
  }
  runtime_.DisposeLater(peer_);
  controls_.clear();
  window_.clear();
  peer_.clear();
  listener_.clear();
}

void AwtForm::RequireLoaded(std::string_view what) const {
  if (!loaded_)
    throw Error(ErrorKind::HostCall,
                layout_.name + " is not loaded: its " + std::string(what) + " cannot be reached");
}

intptr_t AwtForm::WindowHandle() const {
  if (!peer_.is()) RequireLoaded("window");
  return reinterpret_cast<intptr_t>(peer_.get());
}

float AwtForm::Left() const {
  RequireLoaded("left");
  return static_cast<float>(x_) * runtime_.TwipsPerPixelX();
}
float AwtForm::Top() const {
  RequireLoaded("top");
  return static_cast<float>(y_) * runtime_.TwipsPerPixelY();
}
float AwtForm::Width() const {
  RequireLoaded("width");
  return static_cast<float>(width_) * runtime_.TwipsPerPixelX();
}
float AwtForm::Height() const {
  RequireLoaded("height");
  return static_cast<float>(height_) * runtime_.TwipsPerPixelY();
}
void AwtForm::SetLeft(float twips) {
  RequireLoaded("left");
  SetBounds(Pixels(twips, runtime_.TwipsPerPixelX()), y_, width_, height_);
}
void AwtForm::SetTop(float twips) {
  RequireLoaded("top");
  SetBounds(x_, Pixels(twips, runtime_.TwipsPerPixelY()), width_, height_);
}

void AwtForm::SetBounds(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (!loaded_) return;
  x_ = x, y_ = y, width_ = width, height_ = height;
  window_->setPosSize(x, y, width, height, awt::PosSize::POSSIZE);
}

void AwtForm::ToFront() {
  if (loaded_) Reference<awt::XTopWindow>(peer_, UNO_QUERY_THROW)->toFront();
}

AwtForm::Slot& AwtForm::Find(std::string_view name, forms::ControlKind kind, const char* what) {
  RequireLoaded(std::string(what) + " " + std::string(name));
  const auto found = controls_.find(name);
  if (found == controls_.end() || found->second->kind != kind)
    throw Error(ErrorKind::HostCall, layout_.name + " has no " + what + " called " + std::string(name));
  return *found->second;
}

forms::ComboBox& AwtForm::Combo(std::string_view name) {
  return *Find(name, forms::ControlKind::ComboBox, "combo box").combo;
}
forms::CheckBox& AwtForm::Check(std::string_view name) {
  return *Find(name, forms::ControlKind::CheckBox, "check box").check;
}
forms::Label& AwtForm::LabelNamed(std::string_view name) {
  return *Find(name, forms::ControlKind::Label, "label").label;
}

void AwtForm::OnClick(const std::string& control) {
  runtime_.RunEvent([&] { events_.Click(control); });
}

void AwtForm::OnSelected(const std::string& combo, int index) {
  runtime_.RunEvent([&] {
    Slot& slot = Find(combo, forms::ControlKind::ComboBox, "combo box");
    slot.combo->Select(index);
    events_.Click(combo);
  });
}

void AwtForm::OnEnter(const std::string& control) {
  runtime_.RunEvent([&] { events_.EnterPressed(control); });
}

void AwtForm::OnDoubleClick(const std::string& control) {
  runtime_.RunEvent([&] { events_.DoubleClick(control); });
}

void AwtForm::OnCloseBox() { Unload(); }

void AwtForm::OnWindowGone() { Unload(); }

}  // namespace pelvaron::writer
