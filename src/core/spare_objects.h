// Objects of one kind kept once given back, for the next one taken: the storage they own (a
// string's, say) serves again instead of being allocated anew. Objects are taken as they were left.
#pragma once

#include <cstddef>
#include <vector>

template <class T> class SpareObjects {
public:
    explicit SpareObjects(std::size_t kept) : kept_(kept) {}
    ~SpareObjects() {
        for (T *object : spare_)
            delete object;
    }
    SpareObjects(const SpareObjects &) = delete;
    SpareObjects &operator=(const SpareObjects &) = delete;

    // A spare object, or a new one when none is kept.
    T *take() {
        if (spare_.empty())
            return new T;
        T *object = spare_.back();
        spare_.pop_back();
        return object;
    }
    // Keeps object for a later take, or deletes it when `kept` objects are kept already.
    void give(T *object) {
        if (object != nullptr && spare_.size() < kept_)
            spare_.push_back(object);
        else
            delete object;
    }

private:
    std::size_t kept_;
    std::vector<T *> spare_;
};
