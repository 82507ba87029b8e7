#pragma once

// What the saved-comics browser asks of the editor that opened it.
class SaveLoadViewControllerDelegate
{
public:
    virtual ~SaveLoadViewControllerDelegate() = default;
    // Replaces the open comic by the stored one.
    virtual void loadComicWithId(int comicId) = 0;
};
