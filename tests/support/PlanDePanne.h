#pragma once

// Which storage operation fails: the N-th one counted from the moment the plan is armed, once,
// or that one and every one after it (a disk that stays full, a server that stays away). The
// first is how a passing fault is met, the second how a lasting one is. Disarmed, nothing
// fails and nothing is counted.
class PlanDePanne {
  public:
    enum class Duree { Une, Persistante };

    void armer(long rang, Duree duree) {
        rang_ = rang;
        duree_ = duree;
        appels_ = 0;
        injectees_ = 0;
    }
    // The number of failures injected since armed.
    long desarmer() {
        rang_ = 0;
        return injectees_;
    }
    bool arme() const { return rang_ > 0; }
    // Operations counted since armed, failed ones included.
    long appels() const { return appels_; }

    // Counts one operation; true when it is to fail.
    bool echouer() {
        if (!arme()) {
            return false;
        }
        ++appels_;
        const bool echoue = appels_ == rang_ || (duree_ == Duree::Persistante && appels_ > rang_);
        injectees_ += echoue ? 1 : 0;
        return echoue;
    }

  private:
    long rang_ = 0;
    Duree duree_ = Duree::Une;
    long appels_ = 0;
    long injectees_ = 0;
};
