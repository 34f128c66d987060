#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <string>
#include <vector>

// The components an owner holds, in creation order. The owner frees them when it goes, last
// created first; one already freed elsewhere (a widget freed by its parent) is skipped.
class TComponentList {
 public:
  TComponentList() = default;
  TComponentList(const TComponentList&) = delete;
  TComponentList& operator=(const TComponentList&) = delete;
  ~TComponentList() { FreeAll(); }

  void Add(QObject* component);
  void Remove(QObject* component);
  int Count() const { return static_cast<int>(items_.size()); }
  QObject* At(int index) const;
  void FreeAll();

 private:
  std::vector<QPointer<QObject>> items_;
};

// A non-visual component: a Tag, an owner, and the components it owns itself.
class TComponent : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)

 public:
  // The owner (a form, a data module or another component) frees the component.
  explicit TComponent(QObject* owner = nullptr);
  ~TComponent() override;

  int32_t Tag() const { return tag_; }
  void SetTag(int32_t tag) { tag_ = tag; }
  QObject* Owner() const { return owner_; }

  int ComponentCount() const { return components_.Count(); }
  QObject* Components(int index) const { return components_.At(index); }
  Q_INVOKABLE void InsertComponent(QObject* component) { components_.Add(component); }
  Q_INVOKABLE void RemoveComponent(QObject* component) { components_.Remove(component); }

 private:
  int32_t tag_ = 0;
  QPointer<QObject> owner_;
  TComponentList components_;
};

// Registers a component with its owner, whatever kind of owner it is (a form, a data module, a
// component): owners offer the invokable InsertComponent and RemoveComponent.
void OwnComponent(QObject* owner, QObject* component);

// The Tag of any component: its "Tag" property, 0 when it has none.
int32_t TagOf(const QObject* component);

// Published properties by name, letters compared without regard to case, in the class and its
// ancestors. An invalid QMetaProperty when there is none.
QMetaProperty GetPropInfo(const QMetaObject* typeInfo, const std::string& name);
// The object held by an object property (nullptr when empty or not an object property).
QObject* GetOrdProp(const QObject* object, const QMetaProperty& property);
