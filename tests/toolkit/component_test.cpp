#include "toolkit/component.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "toolkit/published_properties.h"

namespace {

// Holds a reference to another component and drops it when told of its removal.
class Referrer : public TComponent {
 public:
  using TComponent::TComponent;
  void Refer(TComponent* target) {
    target_ = target;
    if (target) target->FreeNotification(this);
  }
  TComponent* Target() const { return target_; }
  std::vector<TComponent*> removals;

  void Notification(TComponent* component, Operation operation) override {
    if (operation == Operation::Remove) {
      removals.push_back(component);
      if (component == target_) target_ = nullptr;
    }
    TComponent::Notification(component, operation);
  }

 private:
  TComponent* target_ = nullptr;
};

// Counts its own destruction into a shared log so that the freeing order can be seen.
class Logged : public TComponent {
 public:
  Logged(TComponent* owner, std::vector<std::string>* log, std::string tag)
      : TComponent(owner), log_(log), tag_(std::move(tag)) {}
  ~Logged() override { log_->push_back(tag_); }

 private:
  std::vector<std::string>* log_;
  std::string tag_;
};

TEST(ComponentTest, OwnerKeepsCreationOrderAndFreesLastFirst) {
  std::vector<std::string> log;
  {
    TComponent owner(nullptr);
    auto* a = new Logged(&owner, &log, "a");
    auto* b = new Logged(&owner, &log, "b");
    auto* c = new Logged(&owner, &log, "c");
    ASSERT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(owner.Components()[0], a);
    EXPECT_EQ(owner.Components()[1], b);
    EXPECT_EQ(owner.Components()[2], c);
    EXPECT_EQ(b->Owner(), &owner);
    delete b;
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components()[1], c);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"b", "c", "a"}));
}

TEST(ComponentTest, FreedComponentIsForgottenByEveryReferrerAcrossOwners) {
  TComponent form_a(nullptr);
  TComponent form_b(nullptr);
  auto* target = new TComponent(&form_a);
  auto* near_referrer = new Referrer(&form_a);
  auto* far_referrer = new Referrer(&form_b);
  near_referrer->Refer(target);
  far_referrer->Refer(target);

  delete target;

  EXPECT_EQ(near_referrer->Target(), nullptr);
  EXPECT_EQ(far_referrer->Target(), nullptr);
  // A listener under another owner hears of it exactly once.
  EXPECT_EQ(far_referrer->removals, std::vector<TComponent*>{target});
  ASSERT_FALSE(near_referrer->removals.empty());
  EXPECT_EQ(near_referrer->removals.front(), target);
}

TEST(ComponentTest, ListenerFreedFirstIsNotToldLater) {
  TComponent form_a(nullptr);
  TComponent form_b(nullptr);
  auto* target = new TComponent(&form_a);
  auto* listener = new Referrer(&form_b);
  listener->Refer(target);
  delete listener;
  // Would touch the freed listener if the target had not forgotten it.
  delete target;
  EXPECT_EQ(form_a.ComponentCount(), 0);
  EXPECT_EQ(form_b.ComponentCount(), 0);
}

TEST(ComponentTest, NamesAreIdentifiersAndUniqueAmongSiblings) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  first->SetName("Timer1");
  EXPECT_THROW(second->SetName("timer1"), std::invalid_argument);
  EXPECT_THROW(second->SetName("1Timer"), std::invalid_argument);
  EXPECT_THROW(second->SetName("Tim er"), std::invalid_argument);
  EXPECT_EQ(second->Name(), "");
  second->SetName("Timer2");
  EXPECT_EQ(owner.FindComponent("TIMER2"), second);
  EXPECT_EQ(owner.FindComponent("Timer3"), nullptr);
  EXPECT_EQ(GetPublishedProperty(*first, "Name"), "\"Timer1\"");
}

TEST(ComponentTest, LoadingStateEndsWithLoadedAndDesigningIsOff) {
  TComponent component(nullptr);
  EXPECT_FALSE(component.Loading());
  component.BeginLoading();
  EXPECT_TRUE(component.Loading());
  component.Loaded();
  EXPECT_FALSE(component.Loading());
  EXPECT_FALSE(component.Designing());
}

}  // namespace
