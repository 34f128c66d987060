#include "platform/forms/Component.h"

#include <algorithm>

void TComponentList::Add(QObject* component) {
  items_.emplace_back(component);
}

void TComponentList::Remove(QObject* component) {
  items_.erase(std::remove(items_.begin(), items_.end(), component), items_.end());
}

QObject* TComponentList::At(int index) const {
  return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)].data() : nullptr;
}

void TComponentList::FreeAll() {
  while (!items_.empty()) {
    QPointer<QObject> last = items_.back();
    items_.pop_back();
    delete last.data();
  }
}

TComponent::TComponent(QObject* owner) : owner_(owner) {
  if (owner) OwnComponent(owner, this);
}

TComponent::~TComponent() {
  components_.FreeAll();
  if (owner_) QMetaObject::invokeMethod(owner_, "RemoveComponent", Q_ARG(QObject*, this));
}

void OwnComponent(QObject* owner, QObject* component) {
  QMetaObject::invokeMethod(owner, "InsertComponent", Q_ARG(QObject*, component));
}

int32_t TagOf(const QObject* component) {
  return component ? component->property("Tag").toInt() : 0;
}

QMetaProperty GetPropInfo(const QMetaObject* typeInfo, const std::string& name) {
  if (!typeInfo) return {};
  const QString wanted = QString::fromStdString(name);
  for (int i = 0; i < typeInfo->propertyCount(); ++i) {
    const QMetaProperty property = typeInfo->property(i);
    if (wanted.compare(QLatin1String(property.name()), Qt::CaseInsensitive) == 0) return property;
  }
  return {};
}

QObject* GetOrdProp(const QObject* object, const QMetaProperty& property) {
  if (!object || !property.isValid()) return nullptr;
  if (!(property.metaType().flags() & QMetaType::PointerToQObject)) return nullptr;
  return property.read(object).value<QObject*>();
}
